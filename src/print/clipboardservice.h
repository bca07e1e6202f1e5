#pragma once

#include <QImage>

namespace orbane::print {

// The clipboard: emptied, then given a picture.
class ClipboardService
{
public:
    virtual ~ClipboardService();
    virtual void clear() = 0;
    virtual void setImage(const QImage &image) = 0;
};

class QtClipboard final : public ClipboardService
{
public:
    void clear() override;
    void setImage(const QImage &image) override;
};

} // namespace orbane::print
