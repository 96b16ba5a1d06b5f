// What assistive technologies (a screen reader over AT-SPI) learn about the controls: a
// name for each, the visible label it belongs to, and decorative widgets left out of the
// accessibility tree altogether.
#pragma once

#include "toolkit/conversions.h"

class QWidget;

namespace toolkit {

// Installs the toolkit's accessibility interfaces; the form does so before its controls exist.
void InstallAccessibility();

void SetAccessibleName(QWidget* control, const Text& name);

// The label (a caption label's widget) is read as the control's visible label (AT-SPI's
// labelled-by relation).
void SetLabelFor(QWidget* label, QWidget* control);

// Nothing a user reads or operates: lines and other decoration.
void HideFromAccessibility(QWidget* widget);

}  // namespace toolkit
