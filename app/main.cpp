#include <exception>

#include "app/application.h"
#include "ui/Unit1.h"

int main(int argc, char** argv)
{
    Application application(argc, argv);
    Application::setApplicationName(QStringLiteral("rigid-body"));
    try {
        TForm1 window("data.txt", [&](const std::string& message) { TForm1::ShowMessageBox(&window, message); });
        Form1 = &window;
        window.show();
        Application::exec();
    } catch (const std::exception& error) {
        Application::ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Application::ShowException(QString());
    }
    return 0;
}
