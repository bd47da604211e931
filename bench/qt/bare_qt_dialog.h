// The calculator window's controls written with plain Qt: the same kinds, texts, pixel
// rectangles, picture, buddies and window flags, with none of the template, data-exchange and
// message-map machinery, and without fitting static texts to the font. The baseline of the
// start-up benchmark.
#pragma once

#include <QDialog>
#include <memory>

std::unique_ptr<QDialog> MakeBaselineDialog();
