// Reference values from the npm package astronomy-engine (installed here only, never shipped).
// Reads lines "id year month day latitude longitude utcOffsetHours" and writes, per line,
// "id name value" rows: instants as Julian Days (UT), "none" when no event that local day,
// and the Moon's illuminated percentage at local noon.
'use strict';
const A = require('astronomy-engine');
const readline = require('readline');

const J2000 = 2451545.0;
function jdOfDate(y, m, d) {  // Gregorian, astronomical year, JD of 0h UT
  const a = Math.floor((14 - m) / 12), yy = y + 4800 - a, mm = m + 12 * a - 3;
  return d + Math.floor((153 * mm + 2) / 5) + 365 * yy + Math.floor(yy / 4) -
         Math.floor(yy / 100) + Math.floor(yy / 400) - 32045 - 0.5;
}
const t = (jd) => A.MakeTime(jd - J2000);
const jdOf = (time) => time.ut + J2000;

function within(time, start) {
  return time && jdOf(time) < start + 1 ? jdOf(time).toFixed(6) : 'none';
}

const rows = [];
const rl = readline.createInterface({ input: process.stdin });
rl.on('line', (line) => {
  const f = line.trim().split(/\s+/);
  if (f.length < 7) return;
  const id = f[0];
  const [y, m, d] = f.slice(1, 4).map(Number);
  const [lat, lon, tz] = f.slice(4, 7).map(Number);
  const obs = new A.Observer(lat, lon, 0);
  const start = jdOfDate(y, m, d) - tz / 24;
  const out = (name, v) => rows.push(`${id} ${name} ${v}`);
  for (const [name, alt] of [['astronomicalDawn', -18], ['nauticalDawn', -12], ['civilDawn', -6]])
    out(name, within(A.SearchAltitude(A.Body.Sun, obs, +1, t(start), 1, alt), start));
  out('sunrise', within(A.SearchRiseSet(A.Body.Sun, obs, +1, t(start), 1), start));
  const noon = A.SearchHourAngle(A.Body.Sun, obs, 0, t(start));
  out('solarNoon', within(noon.time, start));
  out('solarNoonAltitude', noon.hor.altitude.toFixed(4));
  out('sunset', within(A.SearchRiseSet(A.Body.Sun, obs, -1, t(start), 1), start));
  for (const [name, alt] of [['civilDusk', -6], ['nauticalDusk', -12], ['astronomicalDusk', -18]])
    out(name, within(A.SearchAltitude(A.Body.Sun, obs, -1, t(start), 1, alt), start));
  out('moonIllumination', (100 * A.Illumination(A.Body.Moon, t(start + 0.5)).phase_fraction).toFixed(4));
  const q = A.SearchMoonQuarter(t(start));
  out('nextPhase', `${q.quarter}:${jdOf(q.time).toFixed(6)}`);
});
rl.on('close', () => process.stdout.write(rows.join('\n') + '\n'));
