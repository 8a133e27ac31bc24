#pragma once

#include "notebook/storage/PoemPicture.h"

#include <QString>

#include <functional>
#include <vector>

// The page pictures: the bitmaps of a folder under the shell's home folder,
// dealt once into a random order. Page p shows the picture at place
// p modulo the number of pictures of that order.
class CPoemList {
public:
    // Draws a pseudo-random value from 0 to 32767.
    using RandomSource = std::function<int()>;

    // Without a source, a generator seeded from the clock deals the order.
    explicit CPoemList(RandomSource random = {});
    virtual ~CPoemList() = default;

    // Lists "<home>\<subFolder>\*.bmp" (the user's and the built-in ones,
    // whatever their kind) and deals the order: places 0 to n - 1, then for
    // each place j in turn an exchange with place (n - 1) * r / 32767 for a
    // new random value r. Meant to be called once; a later call starts over.
    void Load(const QString& subFolder);

    // The picture for page index page (0 or more), or null when there are no
    // pictures.
    const CPoemPicture* GetAt(int page) const;
    int GetCount() const { return m_nCount; }

private:
    void DealOrder();

    std::vector<CPoemPicture> m_pictures;
    std::vector<int> m_pOrder;
    int m_nCount { 0 };
    RandomSource m_random;
};
