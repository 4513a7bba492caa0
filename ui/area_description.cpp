#include "ui/area_description.h"

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include <QCoreApplication>
#include <QLocale>
#include <QWidget>

#include "session/description.h"

namespace {

struct TranslatedArgument {
    std::string operator()(SpokenNumber number) const
    {
        const QLocale locale;
        return (number.decimals < 0 ? locale.toString(number.value, 'e', 1)
                                    : locale.toString(number.value, 'f', number.decimals))
            .toStdString();
    }
    std::string operator()(const std::string& text) const { return text; }
    std::string operator()(Phrase phrase) const
    {
        return QCoreApplication::translate(kSentenceContext, phrase.text).toStdString();
    }
};

}  // namespace

AreaDescription::AreaDescription(Session& session, QWidget& area)
    : QObject(&area), session_(session), area_(area), narration_(session)
{
    area_.setAccessibleName(QCoreApplication::translate("AreaDescription", "drawing area"));
    soon_.setSingleShot(true);
    connect(&soon_, &QTimer::timeout, this, &AreaDescription::Refresh);
    pace_.setInterval(kRunningPace);
    connect(&pace_, &QTimer::timeout, this, &AreaDescription::Refresh);
    listening_ = session_.Listen(*this);
    // Once the first setup has been tried, whatever became of it.
    Soon();
}

QString AreaDescription::Translated(const Sentence& sentence)
{
    std::vector<std::string> arguments;
    arguments.reserve(sentence.arguments.size());
    for (const Sentence::Argument& argument : sentence.arguments)
        arguments.push_back(std::visit(TranslatedArgument{}, argument));
    return QString::fromStdString(
        FillIn(QCoreApplication::translate(kSentenceContext, sentence.text).toStdString(), arguments));
}

void AreaDescription::Refused(const Command& command, Refusal refusal)
{
    narration_.Refused(command, refusal);
    Soon();
}

void AreaDescription::Answer(std::optional<Sentence> answer)
{
    answer_ = std::move(answer);
    Soon();
}

void AreaDescription::Refresh()
{
    soon_.stop();
    // The running pace counts from the last description, whatever made it.
    if (pace_.isActive()) pace_.start();
    sinceRefresh_.restart();
    QStringList sentences;
    if (answer_) sentences << Translated(*answer_);
    answer_.reset();
    for (const Sentence& event : narration_.TakeEvents()) sentences << Translated(event);
    for (const Sentence& now : DescribeBody(session_)) sentences << Translated(now);
    const QString text = sentences.join(QLatin1Char(' '));
    if (text == area_.accessibleDescription()) return;
    area_.setAccessibleDescription(text);
}

void AreaDescription::Soon()
{
    if (soon_.isActive()) return;
    const qint64 since = sinceRefresh_.isValid() ? sinceRefresh_.elapsed() : kShortestGap;
    soon_.start(static_cast<int>(std::max<qint64>(0, kShortestGap - since)));
}

// A tick is no news: the running pace tells of it.
void AreaDescription::Applying(const Command& command)
{
    if (command.kind != CommandKind::Tick) Soon();
}

void AreaDescription::Stepped()
{
    if (narration_.HasEvents()) Soon();
}

void AreaDescription::SetupDone() { Soon(); }

void AreaDescription::TimingChanged()
{
    if (session_.Running() != pace_.isActive()) session_.Running() ? pace_.start() : pace_.stop();
}
