#include "core/app/AppDir.h"
#include "gui/app/Form1.h"
#include "gui/app/QtSettingsStore.h"
#include "gui/app/SystemLocale.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.vantrel.Vantrel")));

    vantrel::QtSettingsStore settings;
    const QString appDir = QString::fromStdString(
        vantrel::locateAppDir(QApplication::applicationDirPath().toStdString()).string());
    vantrel::Form1Environment environment{appDir, &settings, vantrel::systemDefaultLcid};
    vantrel::Form1 form(environment);
    // The whole command line after the program name names one file.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (!form.Form_Load(commandLine))
        return 1;
    return app.exec();
}
