// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SystemLocale.h"

#include "core/i18n/LocaleLcid.h"

#include <QLocale>

namespace vantrel {

std::optional<std::int32_t> systemDefaultLcid() {
    return lcidForLocaleName(QLocale::system().name().toStdString());
}

} // namespace vantrel
