// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/files/FileDialogOptions.h"

#include <QString>

#include <cstdint>
#include <vector>

class QWidget;

namespace vantrel {

class UiStrings;

// Asks for the name of a new generated file with the Save dialog, offering
// name; "" when the user cancelled.
[[nodiscard]] QString askForGeneratedFile(QWidget* owner, const QString& title,
                                          const QString& filter, FileDialogOption options,
                                          const QString& name);

// Replaces the file at path by bytes. A failure is reported, naming the path
// and the reason, and leaves the file as it was; returns whether it was written.
bool writeGeneratedFile(QWidget* owner, const QString& path, const std::vector<std::uint8_t>& bytes,
                        const UiStrings& strings);

} // namespace vantrel
