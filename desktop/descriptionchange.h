#pragma once

class QWidget;

// What assistive technology is told when a control's accessible description changes.
namespace DescriptionChange {

// Tells it again, with the new text, where the Qt in use sent the control in the text's place;
// elsewhere does nothing.
void resend(QWidget *control);

} // namespace DescriptionChange
