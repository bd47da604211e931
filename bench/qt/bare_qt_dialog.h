// The calculator window's controls as the plainest Qt dialog a developer would write, a form
// designer's generated code: the same kinds, texts, picture, buddies and window flags, each
// control at a fixed rectangle and the picture decoded once, with none of the template,
// resolve-pass, data-exchange and message-map machinery. The baseline of the start-up benchmark.
#pragma once

#include <QDialog>
#include <memory>

std::unique_ptr<QDialog> MakeBaselineDialog();
