#include "ui/language.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "ui/Unit1.h"
#include "ui/area_description.h"
#include "ui/image_view.h"
#include "ui/inspector_panel.h"
#include "ui/lesson_dock.h"
#include "ui/lesson_host.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/timeline_bar.h"

namespace {

const std::filesystem::path kDataFile = RBD_SOURCE_DIR "/data.txt";

// Every text shown that its widget cuts short: a button narrower than its
// text and the style's margins, a one-line label narrower than its text (but the status bar's
// notice, cut where the bar ends by design, its whole text in its tip), a
// menu's title beyond the menu bar's end.
std::string CutTexts(MainWindow& window)
{
    QStringList cut;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QStyle* style = button->style();
        const int room = button->width() - style->pixelMetric(QStyle::PM_ButtonMargin) -
                         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        if (button->isVisible() && button->fontMetrics().horizontalAdvance(button->text()) > room)
            cut << button->text();
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || Qt::mightBeRichText(label->text()) ||
            label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            continue;
        const int room = label->contentsRect().width() - std::max(0, label->indent()) - 2 * label->margin();
        if (label->fontMetrics().boundingRect(QRect(), 0, label->text()).width() > room) cut << label->text();
    }
    const QMenuBar* bar = window.menuBar();
    for (QAction* menu : bar->actions())
        if (bar->actionGeometry(menu).right() >= bar->width()) cut << menu->text();
    return cut.join(QLatin1Char('|')).toStdString();
}

}  // namespace

// Each shipped language at the window's opening size, then with every panel
// shown: it speaks the language, writes its numbers with the language's
// decimal comma, and cuts no text short.
TEST(Translations, EveryTextFitsTheWindowInEachLanguage)
{
    for (const char* code : {"de", "fr", "es"}) {
        const WindowLanguage language(QString::fromLatin1(code));
        LiveSession live(kDataFile);
        MainWindow window(live, [](FilePurpose) { return QString(); });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_NE(window.menuBar()->actions().front()->text(), "&File") << code;
        EXPECT_NE(window.Form().Button3->text(), "Start/Stop") << code;
        window.Form().Do({.kind = CommandKind::Step});
        window.Inspector().RefreshNow();
        EXPECT_TRUE(window.Inspector().Shown("time").startsWith("0,2 (1 ")) << code;
        QTest::qWait(50);
        EXPECT_EQ(CutTexts(window), "") << code;

        for (QAction* panel : {window.InspectorDock()->toggleViewAction(), window.PlotsDock()->toggleViewAction(),
                               window.Timeline().toggleViewAction()})
            panel->trigger();
        QTest::qWait(50);
        EXPECT_TRUE(window.Timeline().Shown().endsWith("0,2")) << code;
        EXPECT_EQ(CutTexts(window), "") << code << " with the panels";
    }
}

// A German window tells the screen reader and the student in German, and
// reads a prediction written with a decimal comma; what it keeps for a
// recording and the session it drives are the same as in English.
TEST(Translations, OnlyWhatThePersonReadsIsTranslated)
{
    const QString lesson = QStringLiteral(RBD_SOURCE_DIR "/examples/lessons/1-push-through-the-centre.toml");
    struct Run {
        std::string state;
        std::string remark;
        QString shown;
    };
    const auto reveal = [&lesson](const char* code, const QString& prediction) {
        const WindowLanguage language(QString::fromLatin1(code));
        LiveSession live(kDataFile);
        MainWindow window(live, [](FilePurpose) { return QString(); });
        Run run;
        window.Lessons().remark = [&run](const std::string& line) { run.remark = line; };
        EXPECT_TRUE(window.Lessons().Open(lesson));
        LessonDock& dock = window.Lessons().Dock();
        dock.NumberBox(1)->setText(prediction);
        EXPECT_TRUE(dock.RevealButton(1)->isEnabled()) << code;
        dock.RevealButton(1)->click();
        window.Form().Description().Refresh();
        run.state = window.Form().CurrentSession().StateJson();
        run.shown = dock.OutcomeText(1) + QLatin1Char('|') + window.Form().Image1->accessibleName() + QLatin1Char('|') +
                    window.Form().Image1->accessibleDescription();
        return run;
    };
    const Run german = reveal("de", QStringLiteral("1,5"));
    const Run english = reveal("en", QStringLiteral("1.5"));
    EXPECT_EQ(german.state, english.state);
    EXPECT_EQ(german.remark, english.remark);
    EXPECT_TRUE(english.remark.starts_with("task 2 revealed: Your prediction: 1.5 ")) << english.remark;
    EXPECT_TRUE(german.shown.startsWith("Ihre Vorhersage: 1,5 ")) << german.shown.toStdString();
    EXPECT_TRUE(german.shown.contains("|Zeichenfläche|")) << german.shown.toStdString();
    EXPECT_TRUE(german.shown.contains(" Angehalten bei Zeit 5,0. Der Körper ist bei (119; 69)"))
        << german.shown.toStdString();
}
