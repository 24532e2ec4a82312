// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools menu's text generators and what they read of the open document.
#include "gui/app/Form1.h"

#include "gui/generators/GeneratorHost.h"
#include "gui/generators/GprsTextDialog.h"
#include "gui/generators/OuterTextDialog.h"

namespace vantrel {

// The generators see the document as last read or saved, never its unsaved cells.
GeneratorHost Form1::generatorHost() {
    return GeneratorHost{
        fileName(),
        curType(),
        fileBytes(),
        [this] { setWindowTitle(m_mainCaption); },
    };
}

void Form1::mnuSetOuterText_Click() {
    OuterTextDialog window(generatorHost(), m_language, this);
    window.exec();
}

void Form1::mnuSetGPRS_Click() {
    GprsTextDialog window(generatorHost(), m_language, this);
    window.exec();
}

} // namespace vantrel
