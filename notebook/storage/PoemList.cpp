#include "notebook/storage/PoemList.h"

#include "platform/device/DeviceFiles.h"
#include "shell/OrvaCore.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

namespace {

constexpr int kRandomMax = 32767;

CPoemList::RandomSource ClockSeededRandom()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    auto engine = std::make_shared<std::minstd_rand>(
        std::minstd_rand::result_type(std::chrono::duration_cast<std::chrono::milliseconds>(ticks).count()));
    return [engine] { return std::uniform_int_distribution<int>(0, kRandomMax)(*engine); };
}

} // namespace

CPoemList::CPoemList(RandomSource random)
    : m_random(random ? std::move(random) : ClockSeededRandom())
{
}

void CPoemList::Load(const QString& subFolder)
{
    m_pictures.clear();
    m_pOrder.clear();
    m_nCount = 0;
    if (subFolder.isEmpty())
        return;
    const QString folder = QString::fromUtf16(COrvaCore::GetHomePath()) + u'\\' + subFolder + u'\\';
    for (const QString& name : FindDeviceFiles(folder + QStringLiteral("*.bmp"))) {
        CPoemPicture picture;
        picture.SetPath(folder + name);
        m_pictures.push_back(picture);
    }
    m_nCount = int(m_pictures.size());
    DealOrder();
}

void CPoemList::DealOrder()
{
    m_pOrder.resize(std::size_t(m_nCount));
    std::iota(m_pOrder.begin(), m_pOrder.end(), 0);
    for (int j = 0; j < m_nCount; ++j) {
        const qint64 r = std::clamp(m_random(), 0, kRandomMax);
        const auto k = std::size_t((qint64(m_nCount) - 1) * r / kRandomMax);
        std::swap(m_pOrder[std::size_t(j)], m_pOrder[k]);
    }
}

const CPoemPicture* CPoemList::GetAt(int page) const
{
    if (m_nCount <= 0 || page < 0)
        return nullptr;
    return &m_pictures[std::size_t(m_pOrder[std::size_t(page % m_nCount)])];
}
