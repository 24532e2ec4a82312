// SPDX-License-Identifier: GPL-3.0-or-later
// The core's JavaScript API (declared in vantrel-core.d.ts): the table of what
// the module exports. Every function answers with plain JavaScript values; a
// refusal is answered with { vantrelError: message } (see BindingValues.h).
#include "core/files/SeemFile.h"
#include "wasm/DocumentBinding.h"
#include "wasm/LanguageBinding.h"

#include <emscripten/bind.h>

namespace vantrel::wasm {

EMSCRIPTEN_BINDINGS(vantrel_core) {
    using emscripten::class_;
    using emscripten::function;

    class_<Language>("Language")
        .constructor<const std::string&, const emscripten::val&>()
        .property("index", &Language::index)
        .property("problem", &Language::problem)
        .function("unusable", &Language::unusable)
        .function("languages", &Language::languages)
        .function("string", &Language::string)
        .function("caption", &Language::caption);

    class_<Document>("Document")
        .constructor<>()
        .function("loadDefinitions", &Document::loadDefinitions)
        .function("open", &Document::open)
        .function("close", &Document::close)
        .property("name", &Document::name)
        .function("isOpen", &Document::isOpen)
        .function("type", &Document::type)
        .function("editorModel", &Document::editorModel)
        .function("setSwitch", &Document::setSwitch)
        .function("setStyle", &Document::setStyle)
        .function("setVolume", &Document::setVolume)
        .function("resetVolumes", &Document::resetVolumes)
        .function("setColor", &Document::setColor)
        .function("setTransparency", &Document::setTransparency)
        .function("setTitle", &Document::setTitle)
        .function("setCellText", &Document::setCellText)
        .function("canUndo", &Document::canUndo)
        .function("canRedo", &Document::canRedo)
        .function("undoName", &Document::undoName)
        .function("redoName", &Document::redoName)
        .function("undo", &Document::undo)
        .function("redo", &Document::redo)
        .function("isModified", &Document::isModified)
        .function("bytesToSave", &Document::bytesToSave)
        .function("markSaved", &Document::markSaved)
        .function("savedBytes", &Document::savedBytes)
        .function("cellCount", &Document::cellCount)
        .function("cellText", &Document::cellText)
        .function("cellTexts", &Document::cellTexts)
        .function("cellStatus", &Document::cellStatus)
        .function("takeChangedCells", &Document::takeChangedCells)
        .function("currentCell", &Document::currentCell)
        .function("caret", &Document::caret)
        .function("focusCell", &Document::focusCell)
        .function("setCaret", &Document::setCaret)
        .function("moveCursor", &Document::moveCursor)
        .function("typeCharacter", &Document::typeCharacter)
        .function("backspace", &Document::backspace)
        .function("deleteForward", &Document::deleteForward)
        .function("offsetFromText", &Document::offsetFromText)
        .function("outerTextPrefill", &Document::outerTextPrefill)
        .function("gprsPrefill", &Document::gprsPrefill)
        .function("compare", &Document::compare)
        .function("takeOther", &Document::takeOther)
        .function("exportRecipe", &Document::exportRecipe)
        .function("recipeTo", &Document::recipeTo)
        .function("applyRecipe", &Document::applyRecipe)
        .function("coverage", &Document::coverage)
        .function("byteInfo", &Document::byteInfo)
        .function("scanSeemFolder", &Document::scanSeemFolder)
        .function("compareFolders", &Document::compareFolders);

    function("setLanguage", &setLanguage);
    function("uiString", &uiString);
    function("lcidForLocale", &lcidForLocale);
    function("projectInfo", &projectInfo);
    function("outerTextRecord", &outerTextRecord);
    function("outerTextInfo", &outerTextInfo);
    function("gprsRecord", &gprsRecord);
    emscripten::constant("maxFileSize", static_cast<int>(kMaxSeemFileSize));
}

} // namespace vantrel::wasm
