#include "ui/Unit1.h"

#include <algorithm>
#include <filesystem>
#include <limits>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTimer>

#include "session/command_table.h"
#include "session/json_number.h"
#include "session/refusal.h"
#include "sim/setup_error.h"
#include "ui/area_description.h"
#include "ui/image_view.h"
#include "ui/live_session.h"
#include "ui/png_file.h"
#include "ui/push_keys.h"

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("TForm1", "Rigid Body Dynamics");
// The controls' row, above the drawing area's bottom edge.
constexpr int kControlsRise = 32;
const char* const kRefusedStyle = "QLineEdit { border: 2px solid #d00000; }";
// What to do about a data file that is refused.
const char* const kOpenAnother = QT_TRANSLATE_NOOP(
    "TForm1", "Open another data file (File, Open, or Ctrl+O), or start the program with --data FILE.");
// Until the first push, in the drawing area's corner.
const char* const kFirstHint =
    QT_TRANSLATE_NOOP("TForm1", "Press on a blue disc and drag: letting go pushes the body. Start/Stop runs it.");
constexpr int kFlashTurns = 6;
constexpr int kFlashPeriod = 150;  // ms

}  // namespace

TForm1::TForm1(LiveSession& live, ErrorReporter reportError, QWidget* parent)
    : QWidget(parent),
      // Created first, in stacking order: the controls lie over its bottom strip.
      Image1(new ImageView(live.canvas, this)), live_(live), session_(live.session),
      reportError_(std::move(reportError))
{
    setWindowTitle(tr(kCaption));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    setFont(font);
    move(89, 143);
    resize(kClientWidth, kClientHeight);

    connect(Image1, &ImageView::MouseDown, this, &TForm1::Image1MouseDown);
    connect(Image1, &ImageView::MouseUp, this, &TForm1::Image1MouseUp);
    connect(Image1, &ImageView::Resized, this,
            [this](int width, int height) { Do({.kind = CommandKind::Size, .x = width, .y = height}); });

    setMinimumSize(kSmallestWidth, kSmallestHeight);
    // No larger than a script can replay: a recording must be able to say the
    // area's size, and a saved geometry must not ask for gigabytes of picture.
    setMaximumSize(kLargestScriptSide, kLargestScriptSide);

    Label1 = new QLabel(tr("density = "), this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    Label1->setBackgroundRole(QPalette::Light);

    Button3 = new QPushButton(tr("Start/Stop"), this);
    // Grown to a translation longer than the designer's width holds.
    const int buttonText = Button3->fontMetrics().horizontalAdvance(Button3->text()) +
                           style()->pixelMetric(QStyle::PM_ButtonMargin) +
                           2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    Button3->setGeometry(8, 520, std::max(65, buttonText), 25);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    // Grown to its text, as a label sizes itself, keeping its right edge by the
    // box; a translation too long for that pushes the box to the right.
    Label1->adjustSize();
    const int labelWidth = std::max(45, Label1->width());
    const int labelLeft = std::max(std::min(152, 197 - labelWidth), Button3->geometry().right() + 9);
    Label1->setGeometry(labelLeft, 520, labelWidth, 17);

    // The box holds the density as a script writes it, with a decimal point
    // in every language: its text is the `density` command the session
    // receives and a recording keeps, so it must read the same in any window.
    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setGeometry(std::max(200, labelLeft + labelWidth + 3), 520, 25, 17);
    Edit1->setToolTip(tr("Mass per unit area, with a decimal point as scripts write it: 2.5"));
    Edit1->setTextMargins(0, 0, 0, 0);
    // Unbounded, so that no paste is cut short unseen: the setup refuses a
    // text too long to be a density, and says so.
    Edit1->setMaxLength(std::numeric_limits<int>::max());
    Edit1->setAccessibleName(tr("density"));

    note_ = new QLabel(this);
    note_->setAutoFillBackground(true);
    note_->setBackgroundRole(QPalette::Light);
    note_->setForegroundRole(QPalette::Text);
    note_->setWordWrap(true);
    note_->hide();
    flash_.setInterval(kFlashPeriod);
    connect(&flash_, &QTimer::timeout, this, [this] {
        note_->setBackgroundRole(++flashes_ % 2 == 1 ? QPalette::Highlight : QPalette::Light);
        note_->setForegroundRole(flashes_ % 2 == 1 ? QPalette::HighlightedText : QPalette::Text);
        if (flashes_ >= kFlashTurns) flash_.stop();
    });
    Image1->SetHint(tr(kFirstHint));

    Timer1 = new QTimer(this);
    Timer1->setInterval(session_.TimerPeriod());
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    // Tab goes from Start/Stop to the box and on to the drawing area. (Qt 6.4
    // will not move the first widget of a chain after another one, so each of
    // the others is put after Start/Stop instead, the box last.)
    setTabOrder(Button3, Image1);
    setTabOrder(Button3, Edit1);
    // Before the first setup, so that it tells of that one too.
    description_ = new AreaDescription(session_, *Image1);
    keys_ = new PushKeys(*this, *Image1, *description_);
    listening_ = session_.Listen(*this);
    // Connected last: the layout's own text is not an edit.
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
}

void TForm1::resizeEvent(QResizeEvent*)
{
    if (formResized) {
        Image1->setGeometry(QRect(QPoint(0, 0), AreaSize()));
        PlaceControls();
        formResized();
    } else {
        Image1->setGeometry(rect());
        PlaceControls();
    }
}

void TForm1::AreaFollowsForm() { Do({.kind = CommandKind::Size, .x = width(), .y = height()}); }

void TForm1::PlaceControls()
{
    const int top = height() - kControlsRise;
    Label1->move(Label1->x(), top);
    Button3->move(Button3->x(), top);
    Edit1->move(Edit1->x(), top);
    // Beside the box, rising over the picture as its text needs.
    const int noteLeft = Edit1->geometry().right() + 8;
    const int noteWidth = std::max(0, width() - noteLeft - 8);
    const int noteHeight = std::max(Edit1->height(), note_->heightForWidth(noteWidth));
    note_->setGeometry(noteLeft, top + Edit1->height() - noteHeight, noteWidth, noteHeight);
}

QString TForm1::DensityProblem() const { return densityNote_ ? note_->text() : QString(); }

QString TForm1::Note() const { return note_->isHidden() ? QString() : note_->text(); }

void TForm1::ShowNote(const QString& text, bool density)
{
    densityNote_ = density;
    note_->setText(text);
    note_->show();
    PlaceControls();
}

void TForm1::HideNote()
{
    note_->hide();
    densityNote_ = false;
    flash_.stop();
    note_->setBackgroundRole(QPalette::Light);
    note_->setForegroundRole(QPalette::Text);
}

// Qt composes every widget's painting off-screen already: no flicker.
void TForm1::FormCreate()
{
    try {
        session_.FirstSetup();
    } catch (const SetupError& refusal) {
        reportError_(std::string(refusal.what()) + "\n\n" + tr(kOpenAnother).toStdString());
    }
}

void TForm1::Button3Click() { Do({.kind = CommandKind::StartStop}); }

void TForm1::Timer1Timer() { Do({.kind = CommandKind::Tick}); }

void TForm1::Edit1Change() { Do({.kind = CommandKind::Density, .text = Edit1->text().toStdString()}); }

void TForm1::Image1MouseDown(int x, int y)
{
    Do({.kind = CommandKind::Press, .x = x, .y = y});
    const DragState& drag = session_.Simulation().drag;
    if (drag.particleIndex != -1) Image1->StartBand({drag.startX, drag.startY});
}

void TForm1::Image1MouseUp(int x, int y)
{
    const bool pushes = session_.Simulation().drag.particleIndex != -1;
    Do({.kind = CommandKind::Release, .x = x, .y = y});
    Image1->EndBand();
    if (pushes) Image1->SetHint({});
}

bool TForm1::Do(const Command& command)
{
    try {
        session_.Apply(command);
        return true;
    } catch (const DensityError& refusal) {
        description_->Refused(command, Refusal::DensityText);
        MarkRefusedDensity(refusal.what());
        if (command.kind != CommandKind::Density) SayDensityStoodInTheWay(command, refusal.what());
    } catch (const SetupError& refusal) {
        description_->Refused(command, Refusal::DataFile);
        reportError_(std::string(refusal.what()) + "\n\n" + tr(kOpenAnother).toStdString());
    } catch (const CommandRefused& refusal) {
        description_->Refused(command, Refusal::Command);
        if (command.kind == CommandKind::Tick || command.kind == CommandKind::Step) {
            stepRefused_ = true;
            ShowNote(QString::fromStdString(refusal.what()), false);
        }
        (showNotice ? showNotice : reportError_)(refusal.what());
    } catch (const std::runtime_error& refusal) {
        reportError_(refusal.what());
    }
    return false;
}

void TForm1::SavePicture(const QString& path)
{
    try {
        live_.CheckOutput(path.toStdString());
        WritePngFile(Image1->Canvas().Image(), path);
    } catch (const std::runtime_error& failure) {
        reportError_(
            tr("cannot write the picture '%1': %2")
                .arg(QString::fromStdString(ShownPath(path.toStdString())), QString::fromStdString(failure.what()))
                .toStdString());
    }
}

void TForm1::Applying(const Command& command)
{
    if (command.kind == CommandKind::Seek && stepRefused_) {
        stepRefused_ = false;
        HideNote();
    }
}

void TForm1::Redrawn()
{
    // A script's `size`: the area changes, and the window around it follows.
    if (formResized && Image1->size() != AreaSize()) {
        Image1->resize(AreaSize());
        formResized();
    }
    Image1->update();
}

void TForm1::TimingChanged()
{
    Timer1->setInterval(session_.TimerPeriod());
    if (session_.Running() != Timer1->isActive()) session_.Running() ? Timer1->start() : Timer1->stop();
}

void TForm1::MarkRefusedDensity(const std::string& message)
{
    Edit1->setStyleSheet(QString::fromLatin1(kRefusedStyle));
    std::string kept;
    AppendJsonNumber(kept, session_.Simulation().settings.density);
    ShowNote(tr("%1; the body keeps density %2").arg(QString::fromStdString(message), QString::fromStdString(kept)),
             true);
}

void TForm1::SayDensityStoodInTheWay(const Command& command, const std::string& refusal)
{
    const QString why = QString::fromStdString(refusal);
    QString said;
    switch (command.kind) {
    case CommandKind::StartStop:
        said = tr("The run goes on: Start/Stop stops it by rebuilding the body, and %1. Correct the "
                  "density, or pause with Space.")
                   .arg(why);
        break;
    case CommandKind::Open:
        said = tr("%1 was not opened: its body would be built with the density in the box, and %2.")
                   .arg(QString::fromStdString(std::filesystem::path(command.text).filename().string()), why);
        break;
    default:
        said = tr("Not done: the body would be rebuilt with the density in the box, and %1.").arg(why);
        break;
    }
    (showNotice ? showNotice : reportError_)(said.toStdString());
    flashes_ = 0;
    flash_.start();
}

void TForm1::SetupDone()
{
    Edit1->setStyleSheet(QString());
    stepRefused_ = false;
    HideNote();
}

void TForm1::ShowMessageBox(QWidget* parent, const std::string& message)
{
    const QString text = QString::fromStdString(message);
    QTimer::singleShot(0, parent, [parent, text] { QMessageBox::warning(parent, tr(kCaption), text); });
}
