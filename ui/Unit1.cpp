#include "ui/Unit1.h"

#include <algorithm>
#include <limits>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

#include "sim/body_setup.h"
#include "sim/setup_error.h"
#include "sim/time_step.h"
#include "ui/image_view.h"
#include "ui/png_file.h"
#include "session/scene.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int kTimerInterval = 50;  // milliseconds
constexpr double kStepLength = 0.2;
const char* const kCaption = "Rigid Body Dynamics";
using Kind = ScriptCommand::Kind;

}  // namespace

TForm1::TForm1(std::filesystem::path dataFile, ErrorReporter reportError, QWidget* parent)
    : QWidget(parent), dataFile_(std::move(dataFile)), reportError_(std::move(reportError))
{
    setWindowTitle(kCaption);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    setFont(font);
    move(89, 143);
    resize(kClientWidth, kClientHeight);

    // Created in stacking order: the controls lie over the drawing area's bottom strip.
    Image1 = new ImageView(kClientWidth, kClientHeight, this);
    connect(Image1, &ImageView::MouseDown, this, &TForm1::Image1MouseDown);
    connect(Image1, &ImageView::MouseUp, this, &TForm1::Image1MouseUp);

    Label1 = new QLabel(QStringLiteral("density = "), this);
    Label1->setGeometry(152, 520, 45, 17);
    Label1->setAlignment(Qt::AlignCenter);
    // Grown to its text, as a label sizes itself, keeping its right edge by the box.
    Label1->adjustSize();
    Label1->setGeometry(std::min(152, 197 - Label1->width()), 520, std::max(45, Label1->width()), 17);
    Label1->setAutoFillBackground(true);
    Label1->setBackgroundRole(QPalette::Light);

    Button3 = new QPushButton(QStringLiteral("Start/Stop"), this);
    Button3->setGeometry(8, 520, 65, 25);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);

    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setGeometry(200, 520, 25, 17);
    Edit1->setTextMargins(0, 0, 0, 0);
    // Unbounded, so that no paste is cut short unseen: the setup refuses a
    // text too long to be a density, and says so.
    Edit1->setMaxLength(std::numeric_limits<int>::max());

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTimerInterval);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    setTabOrder(Button3, Edit1);
    FormCreate();
    // Connected last: the layout's own text is not an edit.
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
}

void TForm1::resizeEvent(QResizeEvent*)
{
    Image1->setGeometry(rect());
    emit EventReached(ScriptCommand::Event(Kind::Size, Image1->width(), Image1->height()));
}

bool TForm1::Running() const { return Timer1->isActive(); }

void TForm1::FormCreate()
{
    // Qt composes every widget's painting off-screen already: no flicker.
    simulation_.drag = DragState{};
    simulation_.body = RigidBody{};
    // A refused first setup leaves the empty body on screen, with the message.
    TrySetupBody(dataFile_);
    Redraw(1.0);
}

void TForm1::Button3Click()
{
    emit EventReached(ScriptCommand::Event(Kind::StartStop));
    // Halting returns the body to rest; a refused setup keeps it running.
    if (Running() && !TrySetupBody(dataFile_)) return;
    if (Running())
        Timer1->stop();
    else
        Timer1->start();
    Redraw(1.0);
}

void TForm1::Timer1Timer()
{
    emit EventReached(ScriptCommand::Event(Kind::Tick));
    StepAndRedraw();
}

void TForm1::Edit1Change()
{
    emit EventReached(ScriptCommand::WithText(Kind::Density, Edit1->text().toStdString()));
    StopAndRebuild();
}

void TForm1::StepWhileHalted()
{
    emit EventReached(ScriptCommand::Event(Kind::Step));
    if (Running()) return;
    StepAndRedraw();
}

void TForm1::Reload()
{
    emit EventReached(ScriptCommand::Event(Kind::Reload));
    StopAndRebuild();
}

void TForm1::OpenDataFile(const std::filesystem::path& dataFile)
{
    emit EventReached(ScriptCommand::WithText(Kind::Open, dataFile.string()));
    if (!TrySetupBody(dataFile)) return;
    Timer1->stop();
    dataFile_ = dataFile;
    Redraw(1.0);
}

void TForm1::SavePicture(const QString& path)
{
    const std::string failed = WritePngFile(Image1->Canvas().Image(), path);
    if (!failed.empty())
        reportError_("cannot write the picture '" + PrintableText(path.toStdString()) + "': " + failed);
}

void TForm1::Image1MouseDown(int x, int y)
{
    emit EventReached(ScriptCommand::Event(Kind::Press, x, y));
    PressAt(simulation_.drag, simulation_.body, simulation_.settings, Image1->height(), x, y);
}

void TForm1::Image1MouseUp(int x, int y)
{
    emit EventReached(ScriptCommand::Event(Kind::Release, x, y));
    const bool grabbed = simulation_.drag.particleIndex != -1;
    ReleaseAt(simulation_.drag, simulation_.body, simulation_.settings, Image1->Canvas(), x, y);
    Image1->update();
    if (grabbed) emit Redrawn();
}

bool TForm1::TrySetupBody(const std::filesystem::path& dataFile)
{
    try {
        SetupBody(simulation_.body, simulation_.settings, Edit1->text().toStdString(), dataFile);
        return true;
    } catch (const SetupError& error) {
        reportError_(error.what());
        return false;
    }
}

void TForm1::StopAndRebuild()
{
    Timer1->stop();
    if (!TrySetupBody(dataFile_)) return;
    Redraw(1.0);
}

void TForm1::StepAndRedraw()
{
    StepBody(simulation_.body, simulation_.settings, kStepLength, Image1->width(), Image1->height());
    Redraw(1.0);
}

void TForm1::Redraw(double clear)
{
    DrawScene(Image1->Canvas(), simulation_.body, simulation_.settings, clear);
    Image1->update();
    emit Redrawn();
}

void TForm1::ShowMessageBox(QWidget* parent, const std::string& message)
{
    const QString text = QString::fromStdString(message);
    QTimer::singleShot(0, parent, [parent, text] { QMessageBox::warning(parent, kCaption, text); });
}
