// SPDX-License-Identifier: GPL-3.0-or-later
// Every edit a page makes, passed to the session's command of the same name
// once its values are checked. The session finds the setting by key, writes
// it as one undo step and tells what changed.
#include "core/editors/SchemeTitle.h"
#include "wasm/PageValues.h"
#include "wasm/SessionBinding.h"

namespace vantrel::wasm {

val SessionBinding::setSwitch(const val& key, const val& on) {
    PageValues in("setSwitch");
    const std::string switchKey = in.text(key, "key");
    const bool wanted = in.flag(on, "on");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    return editResult(m_session.setSwitch(switchKey, wanted));
}

val SessionBinding::toggleSwitch(const val& key) {
    PageValues in("toggleSwitch");
    const std::string switchKey = in.text(key, "key");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    return editResult(m_session.toggleSwitch(switchKey));
}

val SessionBinding::setStyle(const val& key, const val& on) {
    PageValues in("setStyle");
    const std::string rowKey = in.text(key, "key");
    const bool wanted = in.flag(on, "on");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    return editResult(m_session.setStyle(rowKey, wanted));
}

val SessionBinding::setVolume(const val& key, const val& position, const val& gesture) {
    PageValues in("setVolume");
    const std::string itemKey = in.text(key, "key");
    const int wanted = in.integer(position, "position", 0, 255);
    const std::string drag = in.optionalText(gesture, "gesture").value_or("");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    return editResult(m_session.setVolume(itemKey, wanted, drag));
}

val SessionBinding::resetVolumes() {
    const Call call(*this);
    return editResult(m_session.resetVolumes());
}

val SessionBinding::setColor(const val& key, const val& rgb, const val& gesture) {
    PageValues in("setColor");
    const std::string entryKey = in.text(key, "key");
    const int value = in.integer(rgb, "rgb", 0, 0xFFFFFF);
    const std::string drag = in.optionalText(gesture, "gesture").value_or("");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    const Rgb color{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                    static_cast<std::uint8_t>(value)};
    return editResult(m_session.setColor(entryKey, color, drag));
}

val SessionBinding::setColorText(const val& key, const val& text) {
    PageValues in("setColorText");
    const std::string entryKey = in.text(key, "key");
    const std::string typed = in.text(text, "text");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    return editResult(m_session.setColorText(entryKey, typed));
}

val SessionBinding::setTransparencyText(const val& key, const val& text, const val& gesture) {
    PageValues in("setTransparencyText");
    const std::string entryKey = in.text(key, "key");
    const std::string typed = in.text(text, "text");
    const std::string box = in.optionalText(gesture, "gesture").value_or("");
    if (in.failed())
        return in.refusal();
    if (!m_session.model().colorByKey(entryKey))
        return refusal("setTransparencyText: there is no colour entry " + entryKey);
    const Call call(*this);
    const auto corrected = m_session.setTransparencyText(entryKey, typed, box);
    return corrected ? val(*corrected) : val::null();
}

val SessionBinding::setTitle(const val& title) {
    PageValues in("setTitle");
    const std::string typed = in.text(title, "title");
    if (in.failed())
        return in.refusal();
    const Call call(*this);
    return editResult(m_session.setTitle(utf8ToUtf16(typed)));
}

val SessionBinding::endGesture() {
    const Call call(*this);
    m_session.endGesture();
    return val::undefined();
}

val SessionBinding::undo() {
    const Call call(*this);
    m_session.undo();
    return val::undefined();
}

val SessionBinding::redo() {
    const Call call(*this);
    m_session.redo();
    return val::undefined();
}

} // namespace vantrel::wasm
