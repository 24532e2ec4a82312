// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editors/EditorAccessibility.h"

#include "gui/document/FunctionTreeEditor.h"
#include "gui/editors/ColorTreeEditor.h"
#include "gui/editors/StyleListEditor.h"
#include "gui/editors/VolumeEditor.h"

#include <QLabel>

namespace vantrel {

ByteGridView::CellDescriber describeByShownEditor(const FunctionTreeEditor& functions,
                                                  const StyleListEditor& styles,
                                                  const VolumeEditor& volumes,
                                                  const ColorTreeEditor& colors) {
    return [&functions, &styles, &volumes, &colors](int index) {
        if (!functions.isHidden())
            return functions.cellDescription(index);
        if (!styles.isHidden())
            return styles.cellDescription(index);
        if (!volumes.isHidden())
            return volumes.cellDescription(index);
        if (!colors.isHidden())
            return colors.cellDescription(index);
        return QString();
    };
}

void setMainTabOrder(QWidget* grid, std::initializer_list<QWidget*> editors, QLabel* information) {
    information->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    information->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = grid;
    for (QWidget* editor : editors) {
        QWidget::setTabOrder(previous, editor);
        previous = editor;
    }
    QWidget::setTabOrder(previous, information);
}

} // namespace vantrel
