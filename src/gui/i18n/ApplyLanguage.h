// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace vantrel {

class LanguageFile;

// Captions the frames, labels, menus, menu items, buttons and check boxes of
// window from language.xml (looked up as "<window>_<control>" by objectName).
// Anything without a caption there keeps its text; nothing is reported.
void applyLanguage(QWidget* window, const LanguageFile& language);
// The same for part and the controls in it, made after the rest of window.
void applyLanguage(QWidget* window, QObject* part, const LanguageFile& language);

// Gives the controls of window, or of part and the controls in it (made after
// the rest of window), their captions from the design table (DesignCaptions.h).
// Called once, when the controls are made and before any language names them.
void applyDesignCaptions(QWidget* window, QObject* part = nullptr);

// A menu caption as a window title: "Suggest &Definitions..." gives
// "Suggest Definitions", "导出设置(&E)..." gives "导出设置".
[[nodiscard]] QString plainCaption(QString caption);

} // namespace vantrel
