#include "ui/desktop_actions.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "tests/test_files.h"
#include "tests/ui/window_fixture.h"

namespace {

struct Desktop : WindowFixture {
    TForm1& Open()
    {
        actions = std::make_unique<DesktopActions>(Create(), [this](FilePurpose purpose) {
            asked.push_back(purpose);
            return chosen;
        });
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return *form;
    }

    // Where a person's keys go: to the widget with the focus.
    void Keys(QKeyCombination keys)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : form.get(), keys.key(), keys.keyboardModifiers());
    }

    QString chosen;
    std::vector<FilePurpose> asked;
    std::unique_ptr<DesktopActions> actions;
};

}  // namespace

TEST_F(Desktop, StepAndReloadHaveTheirKeys)
{
    TForm1& w = Open();
    w.Image1MouseDown(440, 292);
    w.Image1MouseUp(470, 250);
    const QImage withArrow = Picture();
    Keys(Qt::CTRL | Qt::Key_Right);
    EXPECT_EQ(w.Simulation().steps, 1);
    EXPECT_NE(Picture(), withArrow);  // the arrow is cleared, as by a tick

    file.Rewrite("3  0 0  10 0  0 30");
    Keys(Qt::CTRL | Qt::Key_R);
    EXPECT_EQ(Body().particles.size(), 3u);
    file.Rewrite("2 0");
    Keys(Qt::CTRL | Qt::Key_R);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("the count asks for 2 particles"), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("Open another data file"), std::string::npos) << errors[0];
}

TEST_F(Desktop, SaveWritesThePictureAsAPng)
{
    TForm1& w = Open();
    w.Image1MouseDown(440, 292);
    w.Image1MouseUp(470, 250);  // the arrow is on the picture now
    chosen = QString::fromStdString((file.folder() / "shot.png").string());
    Keys(Qt::CTRL | Qt::Key_S);
    ASSERT_EQ(asked, std::vector{FilePurpose::SavePicture});
    const QImage saved(chosen, "PNG");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), Picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(errors.empty());

    const QImage before = Picture();
    for (const std::filesystem::path& path : {file.folder() / "no such folder" / "shot.png", file.folder()}) {
        errors.clear();
        chosen = QString::fromStdString(path.string());
        Keys(Qt::CTRL | Qt::Key_S);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].rfind("cannot write the picture '" + path.string() + "': ", 0), 0u) << errors[0];
    }
    EXPECT_TRUE(std::filesystem::is_directory(file.folder()));
    EXPECT_EQ(Picture(), before);
}

TEST_F(Desktop, OpenSwitchesTheDataFileForEveryLaterSetup)
{
    TForm1& w = Open();
    const TempFile other("3  0 0  10 0  0 30");
    w.Button3Click();
    chosen = QString::fromStdString(other.path().string());
    Keys(Qt::CTRL | Qt::Key_O);
    ASSERT_EQ(asked, std::vector{FilePurpose::OpenDataFile});
    EXPECT_FALSE(w.Running());
    EXPECT_EQ(Body().particles.size(), 3u);
    EXPECT_EQ(w.DataFile(), other.path());
    EXPECT_EQ(w.windowTitle(), "Rigid Body Dynamics");
    w.Edit1->setText("2");
    EXPECT_EQ(Body().particles.size(), 3u);

    chosen.clear();  // cancelled
    Keys(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(w.DataFile(), other.path());
    EXPECT_TRUE(errors.empty());
}

TEST_F(Desktop, OpenOfABadFileSaysWhyAndIsNotRecent)
{
    TForm1& w = Open();
    std::vector<QString> opened;
    actions->opened = [&](const QString& path) { opened.push_back(path); };
    const QImage picture = Picture();
    const TempFile bad("2  1 2  3 oops");
    chosen = QString::fromStdString(bad.path().string());
    Keys(Qt::CTRL | Qt::Key_O);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(bad.path().string()), std::string::npos) << errors[0];
    EXPECT_EQ(Picture(), picture);
    EXPECT_EQ(w.DataFile(), file.path());
    // Reopening the file in use after it went bad is refused too.
    file.Rewrite("oops");
    chosen = QString::fromStdString(file.path().string());
    Keys(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(errors.size(), 2u);
    EXPECT_TRUE(opened.empty());
}

TEST_F(Desktop, DroppingOneFileOpensIt)
{
    TForm1& w = Open();
    const TempFile other("3  0 0  10 0  0 30");
    auto drop = [&](QWidget* target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        data.setText(urls.isEmpty() ? QString("12") : urls.front().toString());
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        return enter.isAccepted();
    };
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(other.path().string()));
    EXPECT_FALSE(drop(&w, {url, url}));
    EXPECT_EQ(Body().particles.size(), 2u);
    EXPECT_TRUE(drop(w.Edit1, {url}));  // a file, not its name typed into the box
    EXPECT_EQ(w.Edit1->text(), "1");
    EXPECT_EQ(w.DataFile(), other.path());
    EXPECT_EQ(Body().particles.size(), 3u);
}

TEST_F(Desktop, PlainKeysInTheDensityBoxAreTyping)
{
    TForm1& w = Open();
    w.Edit1->setFocus();
    chosen = QString::fromStdString((file.folder() / "never.png").string());
    ASSERT_EQ(QApplication::focusWidget(), w.Edit1);
    w.Button3Click();
    QTest::keyClick(w.Edit1, Qt::Key_End);
    QTest::keyClicks(w.Edit1, "rRoOsS");
    QTest::keyClick(w.Edit1, Qt::Key_Right);
    QTest::keyClick(w.Edit1, Qt::Key_Home);
    QTest::keyClick(w.Edit1, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(w.Edit1->text(), "1rRoOsS");
    EXPECT_TRUE(asked.empty());
    w.Edit1->setText("1");
    w.Button3Click();
    const RigidBody halted = Body();
    // In the box Ctrl+Right moves the cursor a word, as in any text box.
    QTest::keyClick(w.Edit1, Qt::Key_Home);
    QTest::keyClick(w.Edit1, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(w.Edit1->cursorPosition(), 1);
    EXPECT_EQ(Body(), halted);
    EXPECT_FALSE(std::filesystem::exists(file.folder() / "never.png"));
    // The other shortcuts mean nothing to a text box, and work from it.
    Keys(Qt::CTRL | Qt::Key_S);
    EXPECT_TRUE(std::filesystem::exists(file.folder() / "never.png"));
}
