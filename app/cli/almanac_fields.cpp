#include "app/cli/almanac_fields.h"

namespace chronel {

void WriteAlmanacObject(FieldSink& sink, std::string_view key, const AlmanacTexts& t, bool withDate) {
    sink.BeginObject(key);
    if (withDate) sink.Text("date", t.date);
    for (const AlmanacEventRow& e : kAlmanacEventRows) sink.Text(e.key, t.*e.text);
    if (t.solarNoonAltitude)
        sink.Number("solarNoonAltitude", *t.solarNoonAltitude);
    else
        sink.Null("solarNoonAltitude");
    sink.Text("dayLength", t.dayLength);
    sink.Number("moonIllumination", t.moonIllumination);
    sink.Number("moonAge", t.moonAge);
    sink.Bool("moonWaxing", t.moonWaxing);
    sink.Number("deltaT", t.deltaT);
    if (sink.Tabular()) {
        // "Full Moon 2026-06-29T23:57Z (2026-06-30 00:57); ..."
        std::string list;
        for (const AlmanacPhaseTexts& p : t.phases)
            list += (list.empty() ? "" : "; ") + p.phase + " " + p.ut + " (" + p.local + ")";
        sink.Text("phases", list);
    } else {
        sink.BeginArray("phases");
        for (const AlmanacPhaseTexts& p : t.phases) {
            sink.BeginObject({});
            sink.Text("phase", p.phase);
            sink.Text("ut", p.ut);
            sink.Text("local", p.local);
            sink.EndObject();
        }
        sink.EndArray();
    }
    sink.BeginObject("nextSeason");
    sink.Text("name", t.nextSeasonName);
    sink.Text("ut", t.nextSeasonUt);
    sink.EndObject();
    sink.EndObject();
}

}  // namespace chronel
