#include <tarvex/platform/ImageList.h>

#include <algorithm>

namespace Tarvex {

ImageList::ImageList(QObject* Parent)
    : QObject(Parent)
{
}

void ImageList::ImageWidth(int New_ImageWidth)
{
    m_ImageWidth = std::clamp(New_ImageWidth, 0, MaxImageSize);
}

void ImageList::ImageHeight(int New_ImageHeight)
{
    m_ImageHeight = std::clamp(New_ImageHeight, 0, MaxImageSize);
}

int ImageList::Add(const QPixmap& Picture, const QString& Key)
{
    m_Images.push_back({ Picture, Key });
    return Count();
}

int ImageList::IndexOf(const QString& Key) const
{
    const auto found = std::find_if(m_Images.begin(), m_Images.end(), [&](const ListImage& image) { return image.Key == Key; });
    return found == m_Images.end() ? 0 : static_cast<int>(found - m_Images.begin()) + 1;
}

QString ImageList::Key(int Index) const
{
    return Index >= 1 && Index <= Count() ? m_Images[size_t(Index - 1)].Key : QString();
}

QPixmap ImageList::Picture(int Index) const
{
    return Index >= 1 && Index <= Count() ? m_Images[size_t(Index - 1)].Picture : QPixmap();
}

} // namespace Tarvex
