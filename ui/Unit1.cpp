#include "ui/Unit1.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QSaveFile>
#include <QTimer>

#include "ui/image_view.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int kTimerInterval = 50;  // milliseconds
const char* const kCaption = "Rigid Body Dynamics";

}  // namespace

TForm1::TForm1(std::filesystem::path dataFile, ErrorReporter reportError, QWidget* parent)
    : QWidget(parent),
      // Created first, in stacking order: the controls lie over its bottom strip.
      Image1(new ImageView(kClientWidth, kClientHeight, this)), session_(Image1->Canvas(), std::move(dataFile)),
      reportError_(std::move(reportError))
{
    setWindowTitle(kCaption);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    setFont(font);
    move(89, 143);
    resize(kClientWidth, kClientHeight);

    connect(Image1, &ImageView::MouseDown, this, &TForm1::Image1MouseDown);
    connect(Image1, &ImageView::MouseUp, this, &TForm1::Image1MouseUp);
    connect(Image1, &ImageView::Resized, this, [this](int width, int height) { session_.Resize(width, height); });

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

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTimerInterval);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    setTabOrder(Button3, Edit1);
    session_.Listen(*this);
    FormCreate();
    // Connected last: the layout's own text is not an edit.
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
}

void TForm1::resizeEvent(QResizeEvent*) { Image1->setGeometry(rect()); }

// Qt composes every widget's painting off-screen already: no flicker.
void TForm1::FormCreate() { session_.FirstSetup(); }

void TForm1::Button3Click() { session_.StartStop(); }

void TForm1::Timer1Timer() { session_.Tick(); }

void TForm1::Edit1Change() { session_.EditDensity(Edit1->text().toStdString()); }

void TForm1::StepWhileHalted() { session_.Step(); }

void TForm1::Reload() { session_.Reload(); }

void TForm1::OpenDataFile(const std::filesystem::path& dataFile) { session_.Open(dataFile); }

void TForm1::SavePicture(const QString& path)
{
    // Written aside and then moved over the file, so a failed save leaves it whole.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && Image1->Canvas().Image().save(&file, "PNG") && file.commit()) return;
    reportError_("cannot write the picture '" + path.toStdString() + "': " + file.errorString().toStdString());
}

void TForm1::Image1MouseDown(int x, int y) { session_.Press(x, y); }

void TForm1::Image1MouseUp(int x, int y) { session_.Release(x, y); }

void TForm1::Redrawn() { Image1->update(); }

void TForm1::RunningChanged(bool running)
{
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

void TForm1::SetupRefused(const std::string& message) { reportError_(message); }

void TForm1::ShowMessageBox(QWidget* parent, const std::string& message)
{
    const QString text = QString::fromStdString(message);
    QTimer::singleShot(0, parent, [parent, text] { QMessageBox::warning(parent, kCaption, text); });
}
