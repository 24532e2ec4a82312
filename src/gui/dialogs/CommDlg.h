// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

class QPrinter;
class QWidget;

namespace vantrel {

class DialogAnswerer;

// Raised by setAction when the help key is not a number.
class CommDlgError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raised by setAction when the font or printer dialog is cancelled; the file
// and colour dialogs report a cancel through their results instead.
class CommDlgCancelled : public CommDlgError {
  public:
    using CommDlgError::CommDlgError;
};

// The one way the program shows the standard dialogs: make a fresh instance,
// set what the dialog needs, call setAction, read the results. An empty
// fileName() or an RGBResult() of -1 afterwards means the user cancelled.
class CommDlg {
  public:
    enum Action : int { Open = 1, Save = 2, Color = 3, Font = 4, Printer = 5, Help = 6 };

    // Shows the dialog numbered action and waits for it to close; any other
    // number does nothing. Throws CommDlgCancelled when the font or printer
    // dialog is cancelled and CommDlgError for a help key that is no number.
    void setAction(int action);

    [[nodiscard]] bool Bold() const { return m_bold; }
    void setBold(bool bBold) { m_bold = bBold; }
    // Stays empty whatever is assigned: callers pass patterns such as "*.seem",
    // which are no extension, and the file dialogs take a typed name as it is.
    [[nodiscard]] QString DefaultExt() const { return m_defaultExt; }
    void setDefaultExt([[maybe_unused]] const QString& sDefExt) {}
    [[nodiscard]] QString DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString& sTitle) { m_dialogTitle = sTitle; }
    // Full path of the chosen file; may be preset to propose a name.
    [[nodiscard]] QString fileName() const { return m_fileName; }
    void setFileName(const QString& sFileName) { m_fileName = sFileName; }
    // File name of the chosen file, without its folder.
    [[nodiscard]] QString FileTitle() const { return m_fileTitle; }
    void setFileTitle(const QString& sTitle) { m_fileTitle = sTitle; }
    // "description|pattern|description|pattern"; patterns joined by ";".
    [[nodiscard]] QString Filter() const { return m_filter; }
    void setFilter(const QString& sFilter) { m_filter = sFilter; }
    // 1-based index of the filter selected first.
    [[nodiscard]] std::int32_t FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(std::int32_t lIndex) { m_filterIndex = lIndex; }
    // Bits from FileDialogFlag in core/files/DialogValues.h for the file dialogs.
    [[nodiscard]] std::int32_t flags() const { return m_flags; }
    void setFlags(std::int32_t lFlags) { m_flags = lFlags; }
    [[nodiscard]] QString FontName() const { return m_fontName; }
    void setFontName(const QString& sName) { m_fontName = sName; }
    // Whole points.
    [[nodiscard]] std::int32_t FontSize() const { return m_fontSize; }
    void setFontSize(std::int32_t lSize) { m_fontSize = lSize; }
    [[nodiscard]] std::int32_t HelpCommand() const { return m_helpCommand; }
    void setHelpCommand(std::int32_t lCommand) { m_helpCommand = lCommand; }
    [[nodiscard]] QString HelpFile() const { return m_helpFile; }
    void setHelpFile(const QString& sFile) { m_helpFile = sFile; }
    // Decimal text; must be a number when the help action runs.
    [[nodiscard]] QString HelpKey() const { return m_helpKey; }
    void setHelpKey(const QString& sKey) { m_helpKey = sKey; }
    [[nodiscard]] QString InitDir() const { return m_initDir; }
    void setInitDir(const QString& sDir) { m_initDir = sDir; }
    [[nodiscard]] bool Italic() const { return m_italic; }
    void setItalic(bool BItalic) { m_italic = BItalic; }
    // The window that owns the dialogs; null is replaced by the active window
    // at the next action and stays replaced.
    [[nodiscard]] QWidget* Owner() const { return m_owner; }
    void setOwner(QWidget* lOwner) { m_owner = lOwner; }
    // Colour as 0x00BBGGRR (red in the low byte); -1 after a cancelled colour dialog.
    [[nodiscard]] std::int32_t RGBResult() const { return m_rgbResult; }
    void setRGBResult(std::int32_t lValue) { m_rgbResult = lValue; }
    [[nodiscard]] bool StrikeThru() const { return m_strikeThru; }
    void setStrikeThru(bool bStrikethru) { m_strikeThru = bStrikethru; }
    [[nodiscard]] bool Underline() const { return m_underline; }
    void setUnderline(bool bUnderline) { m_underline = bUnderline; }

    // Installs the answerer that stands in for the user in every dialog and
    // message box (nullptr: show the real ones). Not owned.
    static void setAnswerer(DialogAnswerer* answerer);
    [[nodiscard]] static DialogAnswerer* answerer();

    // The printer the printer dialog sets up; it lives as long as the application.
    [[nodiscard]] static QPrinter& currentPrinter();

  private:
    void runFileDialog(Action action);
    void runColorDialog();
    void runFontDialog();
    void runPrinterDialog();
    void runHelp();

    QString m_fileName;
    QString m_fileTitle;
    QWidget* m_owner = nullptr;
    QString m_dialogTitle;
    QString m_filter;
    QString m_initDir;
    QString m_defaultExt;
    std::int32_t m_filterIndex = 0;
    std::int32_t m_flags = 0;
    QString m_helpFile;
    std::int32_t m_helpCommand = 0;
    QString m_helpKey;
    std::int32_t m_rgbResult = 0;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeThru = false;
    QString m_fontName;
    std::int32_t m_fontSize = 0;
    bool m_bold = false;
};

} // namespace vantrel
