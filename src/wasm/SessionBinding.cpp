// SPDX-License-Identifier: GPL-3.0-or-later
// The session's start, its language and captions, and what it pushes to the page.
#include "wasm/SessionBinding.h"

#include "core/Failure.h"
#include "core/i18n/Captions.h"
#include "core/i18n/PluralText.h"
#include "wasm/ContractValues.h"
#include "wasm/PageValues.h"

#include <algorithm>

namespace vantrel::wasm {

namespace {

std::unique_ptr<SettingsStore> settingsFor(const emscripten::val& storage) {
    if (PageSettings::isStore(storage))
        return std::make_unique<PageSettings>(storage);
    return std::make_unique<MemorySettingsStore>();
}

// The string ids of the table run from 0 up to the last one.
constexpr double kLastString = -1
#define VANTREL_UI_STRING(name, number) +1
#include "core/i18n/UiStringList.def"
#undef VANTREL_UI_STRING
    ;

} // namespace

SessionBinding::SessionBinding(const val& languageXml, const val& options, const val& storage)
    : m_settings(settingsFor(storage)), m_session(m_language, *m_settings) {
    PageValues in("Session");
    const std::string xml = in.text(languageXml, "languageXml");
    const val chosen = in.options(options, "options");
    const val lcid = PageValues::member(chosen, page::SessionOptions::systemLcid);
    if (!PageValues::absent(lcid))
        m_systemLcid = in.integer(lcid, "options.systemLcid", 0, 0x7fffffff);
    if (!PageValues::absent(storage) && !PageSettings::isStore(storage) && !in.failed())
        m_startRefusal = "Session: settings must be a store with getItem and setItem, or left out";
    if (in.failed()) {
        m_startRefusal = in.problem();
        return;
    }
    if (!m_startRefusal.empty())
        return;
    m_languageXml = xml;
    const auto failure = m_language.loadText(xml, "language.xml", *m_settings, m_systemLcid);
    if (m_language.languages().empty()) {
        m_startRefusal = failure ? failure->message : std::string("language.xml lists no language");
        return;
    }
    m_languageProblem = messageOf(failure);
    m_sessionConnection =
        m_session.addListener([this](const SessionChange& change) { push(change); });
}

SessionBinding::~SessionBinding() = default;

// -- the language --------------------------------------------------------------

val SessionBinding::languages() const {
    JsonText json;
    json.beginArray();
    for (const LanguageMenuItem& item : m_language.languages()) {
        json.beginObject()
            .member(page::LanguageItem::caption, item.caption)
            .member(page::LanguageItem::definitionsFile, item.definitionsFile)
            .key(page::LanguageItem::lcid);
        if (item.lcid)
            json.value(static_cast<int>(*item.lcid));
        else
            json.null();
        json.endObject();
    }
    json.endArray();
    return jsonValue(json);
}

val SessionBinding::languageIndex() const {
    return val(m_language.index());
}

val SessionBinding::languageProblem() const {
    return val(m_languageProblem);
}

val SessionBinding::chooseLanguage(const val& index) {
    PageValues in("chooseLanguage");
    const int chosen =
        in.integer(index, "index", 0, static_cast<double>(m_language.languages().size()) - 1);
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    m_settings->setValue("language", std::to_string(chosen));
    m_languageProblem =
        messageOf(m_language.loadText(m_languageXml, "language.xml", *m_settings, m_systemLcid));
    m_session.setLanguage(m_language);
    m_coverage.reset();
    return val::undefined();
}

val SessionBinding::caption(const val& window, const val& control) const {
    PageValues in("caption");
    const std::string windowName = in.text(window, "window");
    const std::string controlName = in.text(control, "control");
    if (in.failed())
        return in.refusal();
    return val(withoutAccessKey(m_session.caption(windowName, controlName)));
}

val SessionBinding::string(const val& id, const val& args) const {
    PageValues in("string");
    const int n = in.integer(id, "id", 0, kLastString);
    const std::vector<std::string> filled = in.texts(args, "args");
    if (in.failed())
        return in.refusal();
    return val(
        UiMessage{static_cast<UiString>(n), filled, MessageIcon::Information}.text(strings()));
}

val SessionBinding::label(const val& id, const val& args) const {
    const val text = string(id, args);
    return text.isString() ? val(withoutAccessKey(text.as<std::string>())) : text;
}

val SessionBinding::plural(const val& id, const val& count, const val& args) const {
    PageValues in("plural");
    const int n = in.integer(id, "id", 0, kLastString);
    const int number = in.integer(count, "count", 0, 2147483647);
    const std::vector<std::string> filled = in.texts(args, "args");
    if (in.failed())
        return in.refusal();
    return val(expandLineBreaks(pluralText(strings(), static_cast<UiString>(n), number, filled)));
}

// -- listening -------------------------------------------------------------------

val SessionBinding::setListener(const val& listener) {
    if (!listener.isNull() && !isCallable(listener))
        return refusal("setListener: listener must be a function or null");
    m_listener = listener;
    return val::undefined();
}

// One value for each change the session tells (once a call), written as
// JSON and read by the listener's wrapper in errors.post.js: the page hears
// once and asks nothing back.
void SessionBinding::push(const SessionChange& change) {
    if (change.model)
        m_coverage.reset();
    if (m_listener.isNull())
        return;
    using Change = page::SessionChange;
    const ByteGrid& grid = m_session.grid();
    JsonText json;
    json.beginObject().key(Change::cells).beginArray();
    for (const int cell : change.cells)
        json.value(cell);
    json.endArray().key(Change::texts).beginArray();
    if (change.allCells) {
        for (int cell = 0; cell < grid.cellCount(); ++cell)
            json.value(grid.text(cell));
    } else {
        for (const int cell : change.cells)
            json.value(grid.contains(cell) ? grid.text(cell) : std::string());
    }
    json.endArray().member(Change::allCells, change.allCells).key(Change::settings).beginArray();
    for (const std::string& key : change.settings)
        writeSetting(json, key);
    json.endArray();
    if (change.modified)
        json.member(Change::modified, m_session.document().isModified());
    if (change.history)
        writeHistory(json.key(Change::history));
    if (change.file || change.model)
        writeFile(json.key(Change::file));
    if (change.model)
        writeModel(json.key(Change::model));
    if (change.cursor || change.model || change.file)
        writeCursor(json.key(Change::cursor));
    if (change.find)
        writeFind(json.key(Change::find));
    json.endObject();
    const std::string& text = json.text();
    m_listener(emscripten::typed_memory_view(text.size(),
                                             reinterpret_cast<const std::uint8_t*>(text.data())));
}

val SessionBinding::editResult(const EditResult& refused) const {
    if (!refused)
        return val::undefined();
    return refusal(refused->text(strings()));
}

} // namespace vantrel::wasm
