// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFormat.h"

#include "Catalogue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

const QString First = QStringLiteral("first");
const QString HighestReached = QStringLiteral("highest");
constexpr int Unbounded = std::numeric_limits<int>::max();

QJsonObject settingsObject(const ParentSettings &settings)
{
    return {{"startLevel", settings.startLevel == StartLevel::First ? First : HighestReached},
            {"volume", settings.volume},
            {"muted", settings.muted},
            {"fullScreen", settings.fullScreen}};
}

QJsonArray wordDaysArray(const std::vector<WordDay> &days)
{
    QJsonArray array;
    for (const WordDay &entry : days)
        array.append(QJsonObject{{"day", entry.day.toString(Qt::ISODate)},
                                 {"taught", entry.taught},
                                 {"right", entry.right},
                                 {"wrong", entry.wrong}});
    return array;
}

QJsonArray playDaysArray(const std::vector<PlayDay> &days)
{
    QJsonArray array;
    for (const PlayDay &entry : days)
        array.append(QJsonObject{{"day", entry.day.toString(Qt::ISODate)},
                                 {"seconds", entry.seconds},
                                 {"level", entry.level}});
    return array;
}

// Reads the parts of a record, noting whether every part has the shape it must have; what has
// not is taken as a malformed file.
class Reader {
public:
    explicit Reader(const QStringList &words) : words_(words) {}

    bool ok() const { return ok_; }

    ParentSettings settings(const QJsonValue &value)
    {
        const QJsonObject object = value.toObject();
        require(value.isObject());
        const QString start = text(object["startLevel"]);
        require(start == First || start == HighestReached);
        return {start == First ? StartLevel::First : StartLevel::HighestReached,
                number(object["volume"], 0, ParentSettings::FullVolume), flag(object["muted"]),
                flag(object["fullScreen"])};
    }

    std::optional<RecordRestart> restart(const QJsonValue &value)
    {
        if (value.isUndefined())
            return std::nullopt;
        require(value.isObject());
        return RecordRestart{day(value["day"]), text(value["keptAs"])};
    }

    LearningRecord learning(const QJsonValue &words, const QJsonValue &days)
    {
        LearningRecord learning;
        require(words.isObject() && days.isArray());
        const QJsonObject byWord = words.toObject();
        for (auto entry = byWord.begin(); entry != byWord.end(); ++entry) {
            const int word = static_cast<int>(words_.indexOf(entry.key()));
            require(word >= 0);
            learning.setWordDays(word, wordDays(entry.value()));
        }
        std::vector<PlayDay> played;
        for (const QJsonValue &entry : days.toArray())
            played.push_back({day(entry["day"]), number(entry["seconds"], 0, Unbounded),
                              number(entry["level"], 1, LevelCount)});
        requireDistinctDays(played);
        learning.setPlayDays(std::move(played));
        return learning;
    }

private:
    std::vector<WordDay> wordDays(const QJsonValue &value)
    {
        require(value.isArray());
        std::vector<WordDay> days;
        for (const QJsonValue &entry : value.toArray())
            days.push_back({day(entry["day"]), number(entry["taught"], 0, Unbounded),
                            number(entry["right"], 0, Unbounded),
                            number(entry["wrong"], 0, Unbounded)});
        requireDistinctDays(days);
        return days;
    }

    template <typename Day> void requireDistinctDays(const std::vector<Day> &days)
    {
        for (std::size_t i = 0; i < days.size(); ++i) {
            for (std::size_t j = i + 1; j < days.size(); ++j)
                require(days[i].day != days[j].day);
        }
    }

    void require(bool holds) { ok_ = ok_ && holds; }

    int number(const QJsonValue &value, int low, int high)
    {
        const double stored = value.toDouble(-1);
        require(value.isDouble() && stored >= low && stored <= high &&
                stored == std::floor(stored));
        return ok_ ? static_cast<int>(stored) : 0;
    }

    bool flag(const QJsonValue &value)
    {
        require(value.isBool());
        return value.toBool();
    }

    QString text(const QJsonValue &value)
    {
        require(value.isString());
        return value.toString();
    }

    QDate day(const QJsonValue &value)
    {
        const QDate date = QDate::fromString(text(value), Qt::ISODate);
        require(date.isValid());
        return date;
    }

    const QStringList &words_;
    bool ok_ = true;
};

} // namespace

QByteArray RecordFormat::write(const SavedRecord &record, const QStringList &words)
{
    QJsonObject byWord;
    for (int word = 0; word < words.size(); ++word) {
        const std::vector<WordDay> &days = record.learning.wordDays(word);
        if (!days.empty())
            byWord[words[word]] = wordDaysArray(days);
    }
    QJsonObject object{{"format", Version},
                       {"settings", settingsObject(record.settings)},
                       {"words", byWord},
                       {"days", playDaysArray(record.learning.playDays())}};
    if (record.restart)
        object["restarted"] = QJsonObject{{"day", record.restart->day.toString(Qt::ISODate)},
                                          {"keptAs", record.restart->keptAs}};
    return QJsonDocument(object).toJson();
}

RecordFormat::Reading RecordFormat::read(const QByteArray &text, const QStringList &words)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    const QJsonObject object = document.object();
    const QJsonValue format = object["format"];
    if (error.error != QJsonParseError::NoError || !format.isDouble())
        return {};
    if (format.toDouble() > Version)
        return {Verdict::Newer, {}};
    Reader reader(words);
    Reading reading{Verdict::Read,
                    {reader.learning(object["words"], object["days"]),
                     reader.settings(object["settings"]), reader.restart(object["restarted"])}};
    if (format.toDouble() != Version || !reader.ok())
        return {};
    return reading;
}
