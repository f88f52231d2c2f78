#pragma once

/// The editor's style and font. The windows place their controls in pixels, so every
/// caption must fit at this size; the tests check it under the same look.
void applyEditorLook();
