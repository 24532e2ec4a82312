#include "gui/app/Form1.h"
#include "gui/app/QtSettingsStore.h"
#include "gui/app/SystemLocale.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationName(QStringLiteral("Vantrel"));

    vantrel::QtSettingsStore settings;
    vantrel::Form1Environment environment{QApplication::applicationDirPath(), &settings,
                                          vantrel::systemDefaultLcid};
    vantrel::Form1 form(environment);
    // The whole command line after the program name names one file.
    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    if (!form.Form_Load(commandLine))
        return 1;
    return app.exec();
}
