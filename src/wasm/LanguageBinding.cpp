// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/LanguageBinding.h"

#include "core/Failure.h"
#include "core/ProjectInfo.h"
#include "core/editors/SchemeTitle.h"
#include "core/generators/GprsTextRecord.h"
#include "core/generators/OuterTextRecord.h"
#include "core/i18n/BuiltinStrings.h"
#include "core/i18n/LocaleLcid.h"
#include "core/settings/SettingsStore.h"
#include "wasm/BindingValues.h"

namespace vantrel::wasm {

Language::Language(const std::string& text, const val& options) {
    MemorySettingsStore settings;
    if (const auto index = optionalInt(options, "index"))
        settings.setValue("language", std::to_string(*index));
    const auto lcid = optionalInt(options, "systemLcid");
    m_problem = messageOf(m_file.loadText(text, "language.xml", settings, lcid));
}

val Language::languages() const {
    val list = val::array();
    for (const LanguageMenuItem& item : m_file.languages()) {
        val entry = val::object();
        entry.set("caption", item.caption);
        entry.set("definitionsFile", item.definitionsFile);
        entry.set("lcid", item.lcid ? val(*item.lcid) : val::null());
        list.call<void>("push", entry);
    }
    return list;
}

std::string Language::string(int n, const val& args) const {
    const UiStrings& strings = m_file.strings();
    return expandLineBreaks(strings.format(static_cast<UiString>(n), stringsFrom(args)));
}

val Language::caption(const std::string& window, const std::string& control) const {
    const auto text = m_file.caption(window, control);
    return text ? val(*text) : val::null();
}

void setLanguage(const Language& language) {
    languageInUse() = language.strings();
}

std::string uiString(int n, const val& args) {
    return expandLineBreaks(languageInUse().format(static_cast<UiString>(n), stringsFrom(args)));
}

val lcidForLocale(const std::string& name) {
    const auto lcid = lcidForLocaleName(name);
    return lcid ? val(*lcid) : val::null();
}

val projectInfo() {
    val info = val::object();
    info.set("version", std::string(kProjectVersion));
    info.set("website", std::string(kWebsiteAddress));
    info.set("forum", std::string(kForumAddress));
    return info;
}

val outerTextRecord(const std::string& text) {
    return bytesValue(encodeOuterTextRecord(utf8ToUtf16(text)));
}

val outerTextInfo(const std::string& text) {
    const std::u16string typed = utf8ToUtf16(text);
    val info = val::object();
    info.set("stored", utf16ToUtf8(outerTextStored(typed)));
    info.set("cut", outerTextIsCut(typed));
    info.set("fitsScreen", outerTextFitsScreen(typed));
    return info;
}

val gprsRecord(const std::string& mode, const std::string& text) {
    const auto chosen = gprsModeFrom(mode);
    if (!chosen)
        return refusal("no GPRS mode is called \"" + mode + "\"");
    return bytesValue(encodeGprsTextRecord(*chosen, utf8ToUtf16(text)));
}

} // namespace vantrel::wasm
