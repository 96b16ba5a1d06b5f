// What assistive technologies (a screen reader over AT-SPI) learn about the controls: a
// name and description for each, the visible label it belongs to, and decorative widgets
// left out of the accessibility tree altogether.
#pragma once

#include "toolkit/conversions.h"

class QWidget;

namespace toolkit {

class Label;

// Installs the toolkit's accessibility interfaces; the form does so before its controls exist.
void InstallAccessibility();

void SetAccessibleName(QWidget* control, const Text& name);
void SetAccessibleDescription(QWidget* control, const Text& description);

// The label is read as the control's visible label (AT-SPI's labelled-by relation).
void SetLabelFor(const Label& label, QWidget* control);

// Nothing a user reads or operates: lines and other decoration.
void HideFromAccessibility(QWidget* widget);

}  // namespace toolkit
