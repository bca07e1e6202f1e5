#pragma once

#include "core/controls.h"

#include <optional>

class QWidget;

namespace orbane {

// The standard colour dialog, behind an interface so tests can answer it.
class ColourChooser
{
public:
    virtual ~ColourChooser();
    // The chosen colour, or nothing when the user cancels.
    virtual std::optional<Rgb> choose(Rgb current, QWidget *parent) = 0;
};

class QtColourChooser final : public ColourChooser
{
public:
    std::optional<Rgb> choose(Rgb current, QWidget *parent) override;
};

} // namespace orbane
