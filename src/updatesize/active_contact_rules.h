// Spacing rules adjusted for resizing with active contacts: a contact taken
// out of a transistor's diffusion must still find room when it comes back, so
// the active layer keeps from every other layer at least the contact's
// spacing to it less the active's enclosure of the contact.
#pragma once

// Raises SPACING between the active layer (ACTIVE_LAYER) and each layer the
// active contact (ACTIVE_CONTACT_LAYER) has a spacing rule with, printing
// each change. Layers are taken in table order up to the first one without a
// width rule.
void USdesignruleactivecontact();
