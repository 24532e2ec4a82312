// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CommandLine.h"

#include "core/files/RegularFile.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/UiStrings.h"
#include "gui/i18n/UiText.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace vantrel {

namespace {

// The messages go to a terminal before any language is chosen: English.
QString message(UiString id, const QString& argument) {
    return uiText(UiStrings().format(id, {argument.toStdString()}));
}

// What a path that exists but is no regular file is (a FIFO, a folder, a
// device); "" when nothing is there.
std::string whyNotAFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return notRegularReason(info.st_mode);
}

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    Parser() {
        parser.setApplicationDescription(
            QStringLiteral("Editor for the seem files of Motorola V-series phones."));
        parser.addPositionalArgument(QStringLiteral("file"),
                                     QStringLiteral("The seem file to open."),
                                     QStringLiteral("[file]"));
    }

    [[nodiscard]] bool wantsHelp() const {
        return parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
    }
};

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const QString& currentDir) {
    Parser p;
    CommandLine result;
    // Help and the version are answered even beside options that are not
    // ours, such as the window system's own.
    const bool parsed = p.parser.parse(arguments);
    if (p.wantsHelp() || p.parser.isSet(p.version)) {
        result.exitNow = true;
        result.output = p.wantsHelp() ? p.parser.helpText() : kVersionText + QLatin1Char('\n');
        return result;
    }
    if (!parsed) {
        result.exitNow = true;
        result.exitCode = 1;
        result.errors = p.parser.errorText() + QLatin1Char('\n') + p.parser.helpText();
        return result;
    }

    const QStringList files = p.parser.positionalArguments();
    if (files.size() > 1)
        result.errors += message(UiString::ExtraArguments, files.mid(1).join(QLatin1Char(' '))) +
                         QLatin1Char('\n');
    if (files.isEmpty())
        return result;
    const QFileInfo named(QDir(currentDir), files.front());
    const QString path = QDir::cleanPath(named.absoluteFilePath());
    if (named.isFile())
        result.file = path;
    else if (const auto reason = whyNotAFile(path); !reason.empty())
        result.errors +=
            uiText(UiStrings().format(UiString::CannotOpenNamed, {path.toStdString(), reason})) +
            QLatin1Char('\n');
    else
        result.errors += message(UiString::NoSuchFile, path) + QLatin1Char('\n');
    return result;
}

bool asksOnlyForInformation(const QStringList& arguments) {
    Parser p;
    // Options of the window system (-platform, -style) are not ours; they do
    // not matter to this question. Read as single words, or "-stylesheet"
    // would be taken for -s -t ... -h and so ask for help.
    p.parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.parser.parse(arguments);
    return p.wantsHelp() || p.parser.isSet(p.version);
}

} // namespace vantrel
