#include "platform/CBitmap.h"

#include "platform/CDC.h"

#include <QImageReader>
#include <QPainter>

CBitmap::~CBitmap() { DeleteObject(); }

bool CBitmap::adopt(QImage image)
{
    if (image.isNull())
        return false;
    DeleteObject();
    m_surface = std::make_shared<Surface>();
    m_surface->image = std::move(image);
    m_valid = true;
    return true;
}

bool CBitmap::CreateFromImage(const QImage &image)
{
    if (image.isNull())
        return false;
    if (!image.hasAlphaChannel())
        return adopt(image.convertToFormat(QImage::Format_RGB32));
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    painter.end();
    return adopt(std::move(opaque));
}

bool CBitmap::LoadImageFromFile(const std::string &path)
{
    auto tooLarge = [](QSize size) {
        return static_cast<long long>(size.width()) * size.height() > kMaxPixels;
    };
    QImageReader reader(QString::fromStdString(path));
    // Formats that tell their size are refused before a single pixel is read.
    if (reader.size().isValid() && tooLarge(reader.size()))
        return false;
    const QImage image = reader.read();
    return !tooLarge(image.size()) && CreateFromImage(image);
}

bool CBitmap::CreateBitmapIndirect(const BITMAP &info)
{
    if (info.bmWidth <= 0 || info.bmHeight <= 0
        || static_cast<long long>(info.bmWidth) * info.bmHeight > kMaxPixels)
        return false;
    QImage white(info.bmWidth, info.bmHeight, QImage::Format_RGB32);
    if (white.isNull())
        return false;
    white.fill(0xFFFFFFFFu);
    return adopt(std::move(white));
}

int CBitmap::GetBitmap(BITMAP *info) const
{
    if (!m_surface || !info)
        return 0;
    const QImage &image = m_surface->image;
    *info = BITMAP {};
    info->bmWidth = image.width();
    info->bmHeight = image.height();
    info->bmWidthBytes = static_cast<int>(image.bytesPerLine());
    return static_cast<int>(sizeof(BITMAP));
}

bool CBitmap::DeleteObject()
{
    if (!m_surface)
        return false;
    if (m_surface->selectedInto)
        m_surface->selectedInto->forgetBitmapObject(this);
    m_surface.reset();
    m_valid = false;
    return true;
}

const QImage *CBitmap::image() const { return m_surface ? &m_surface->image : nullptr; }

CBitmap *CBitmap::stock()
{
    static CBitmap *none = new CBitmap;
    return none;
}
