#include "app/formmessages.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace Messages {

namespace {
bool g_recording = false;
QStringList g_recorded;
std::optional<QString> g_nextFile;
std::optional<QString> takeNextFile()
{
    std::optional<QString> n = g_nextFile;
    g_nextFile.reset();
    return n;
}
} // namespace

void information(const QString &title, const QString &text)
{
    if (g_recording) {
        g_recorded << text;
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Information, title, shown, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void setRecording(bool on) { g_recording = on; }
QStringList &recorded() { return g_recorded; }

QString openFileName(const QString &caption, const QString &dir, const QString &filter)
{
    if (auto n = takeNextFile())
        return *n;
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, dir, filter);
}

QString saveFileName(const QString &caption, const QString &dir, const QString &filter)
{
    if (auto n = takeNextFile())
        return *n;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, dir, filter);
}

void setNextFileName(const std::optional<QString> &name) { g_nextFile = name; }

} // namespace Messages
