#include "probe/StateReport.h"

#include "forms/Program.h"
#include "probe/JsonWriter.h"
#include "hosts/recording/EventLog.h"
#include "forms/VoiceForm1.h"
#include "album/Album.h"
#include "forms/InfoForm1.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void writeControl(JsonWriter& json, const Control& control)
{
    const Properties p = control.properties();
    json.beginObject();
    if (p & Property::Visible)
        json.member(QStringLiteral("visible"), control.visible());
    if (p & Property::Caption)
        json.member(QStringLiteral("caption"), control.caption());
    if (p & Property::Left)
        json.member(QStringLiteral("left"), control.left());
    if (p & Property::Top)
        json.member(QStringLiteral("top"), control.top());
    if (p & Property::Width)
        json.member(QStringLiteral("width"), control.width());
    if (p & Property::Height)
        json.member(QStringLiteral("height"), control.height());
    if (p & Property::Color)
        json.member(QStringLiteral("color"), control.color());
    if (p & Property::FontColor)
        json.member(QStringLiteral("fontColor"), control.fontColor());
    if (p & Property::OutlineColor)
        json.member(QStringLiteral("outlineColor"), control.outlineColor());
    if (p & Property::Tag)
        json.member(QStringLiteral("tag"), control.tag());
    if (p & Property::Enabled)
        json.member(QStringLiteral("enabled"), control.enabled());
    if (p & Property::Interval) {
        if (auto* timer = dynamic_cast<const TimerControl*>(&control))
            json.member(QStringLiteral("interval"), timer->interval());
    }
    if (p & Property::Hint)
        json.member(QStringLiteral("hint"), control.hint());
    if (p & Property::Checked)
        json.member(QStringLiteral("checked"), control.checked());
    if (auto* combo = dynamic_cast<const ComboBoxControl*>(&control)) {
        json.key(QStringLiteral("items"));
        json.stringArray(combo->items());
        json.member(QStringLiteral("selected"), combo->itemIndex());
    }
    if (auto* progress = dynamic_cast<const ProgressBarControl*>(&control))
        json.member(QStringLiteral("position"), progress->position());
    json.endObject();
}

void writeControls(JsonWriter& json, const ControlSet& set, const QString& prefix)
{
    for (const Control* control : set.controls()) {
        if (control->properties() == Properties())
            continue;
        json.key(prefix + control->name());
        writeControl(json, *control);
    }
}

void writeRow(JsonWriter& json, const Query& query)
{
    if (!query.active() || query.isEmpty()) {
        json.null();
        return;
    }
    json.beginObject();
    for (const QString& field : query.fieldNames()) {
        const QVariant value = query.fieldValue(field);
        json.key(field);
        if (value.isNull())
            json.null();
        else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            json.value(value.toLongLong());
        else
            json.value(value.toString());
    }
    json.endObject();
}

void writeValue(JsonWriter& json, const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        json.value(value.toBool());
        break;
    case QJsonValue::Double:
        json.value(qint64(value.toDouble()));
        break;
    case QJsonValue::String:
        json.value(value.toString());
        break;
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        json.null();
        break;
    default:
        json.raw(QString::fromUtf8(value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                                   : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact)));
    }
}

void writeEvents(JsonWriter& json, const EventLog& log)
{
    json.key(QStringLiteral("events"));
    json.beginArray();
    for (const EventLog::Event& event : log.events()) {
        json.beginObject();
        json.member(QStringLiteral("at"), EventLog::timeOfDay(event.at));
        json.member(QStringLiteral("kind"), event.kind);
        for (auto it = event.fields.begin(); it != event.fields.end(); ++it) {
            json.key(it.key());
            writeValue(json, it.value());
        }
        json.endObject();
    }
    json.endArray();
}

}  // namespace

QString stateReport(Program* running, const EventLog& log)
{
    JsonWriter json;
    json.beginObject();
    if (!running) {
        json.member(QStringLiteral("line"), QString());
        json.member(QStringLiteral("station"), QString());
        for (const char* member : {"row", "lists", "controls", "windows", "flags", "transfer", "album"}) {
            json.key(QString::fromLatin1(member));
            json.null();
        }
        writeEvents(json, log);
        json.endObject();
        return json.text();
    }
    Program& program = *running;
    TMainForm1& main = *program.MainForm1;
    TDataForm1& data = *program.DataForm1;
    json.member(QStringLiteral("line"), main.currentLine);
    json.member(QStringLiteral("station"), main.currentStation);
    json.key(QStringLiteral("row"));
    writeRow(json, data.Query0);

    json.key(QStringLiteral("lists"));
    json.beginObject();
    for (int list = 1; list <= 3; ++list) {
        for (int slot = 1; slot <= 4; ++slot) {
            const TDataForm1::SlotLists& lists = data.lists(slot);
            json.key(TDataForm1::memoName(slot, list));
            json.stringArray(list == 1 ? lists.working : list == 2 ? lists.terminal : lists.passing);
        }
    }
    json.endObject();

    json.key(QStringLiteral("controls"));
    json.beginObject();
    writeControls(json, main.controls, QString());
    writeControls(json, program.MapForm1->controls, QStringLiteral("MapForm1."));
    if (main.VoiceForm1)
        writeControls(json, main.VoiceForm1->controls, QStringLiteral("VoiceForm1."));
    writeControls(json, program.InfoForm1->controls, QStringLiteral("InfoForm1."));
    json.endObject();

    {
        // The route map window: where it is, whether it shows, how far it is scrolled.
        const TMapForm1& map = *program.MapForm1;
        json.key(QStringLiteral("windows"));
        json.beginObject();
        json.key(QStringLiteral("MapForm1"));
        json.beginObject();
        json.member(QStringLiteral("caption"), TMapForm1::kCaption);
        json.member(QStringLiteral("visible"), map.visible);
        json.member(QStringLiteral("centred"), !map.placed);
        json.member(QStringLiteral("left"), map.left);
        json.member(QStringLiteral("top"), map.top);
        json.member(QStringLiteral("width"), map.width);
        json.member(QStringLiteral("height"), map.height);
        json.member(QStringLiteral("scrollLeft"), map.scrollLeft);
        json.member(QStringLiteral("scrollTop"), map.scrollTop);
        json.endObject();
        json.endObject();
    }

    json.key(QStringLiteral("flags"));
    json.beginObject();
    json.key(QStringLiteral("direction"));
    json.beginArray();
    for (bool flag : main.directionFlag)
        json.value(flag);
    json.endArray();
    json.key(QStringLiteral("stop"));
    json.beginArray();
    for (bool flag : main.stopFlag)
        json.value(flag);
    json.endArray();
    json.key(QStringLiteral("doorStep"));
    json.beginArray();
    for (int step : main.doorStep)
        json.value(step);
    json.endArray();
    json.endObject();

    json.key(QStringLiteral("transfer"));
    json.beginObject();
    json.key(QStringLiteral("items"));
    json.stringArray(main.MultiColComboBox1.items());
    json.member(QStringLiteral("selected"), main.MultiColComboBox1.itemIndex());
    json.endObject();

    // The photo album shown: its folder and its listed files in the order shown.
    json.key(QStringLiteral("album"));
    json.beginObject();
    json.member(QStringLiteral("folder"), main.album->folder());
    json.key(QStringLiteral("files"));
    json.stringArray(main.album->fileNames());
    json.member(QStringLiteral("order"),
                main.album->sortOrder() == album::SortOrder::ByDate ? QStringLiteral("date") : QStringLiteral("name"));
    json.member(QStringLiteral("selected"), main.album->selectedFile());
    json.endObject();

    writeEvents(json, log);
    json.endObject();
    return json.text();
}
