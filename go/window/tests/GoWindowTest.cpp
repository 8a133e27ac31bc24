#include "go/window/tests/GoWindowTest.h"

#include "platform/testsupport/DialogDriver.h"

#include <QCoreApplication>

void GoWindowTest::TearDown()
{
    m_dlg.reset();
    ShellEnvironment::TearDown();
}

CGoDlg& GoWindowTest::Open()
{
    m_dlg = std::make_unique<CGoDlg>([] { return 0u; }, [](std::uint32_t) { return 1u; });
    Drive(*m_dlg).Create();
    return *m_dlg;
}

CGoDlg& GoWindowTest::OpenAfterOpening()
{
    Open();
    EXPECT_TRUE(Drive(*m_dlg).FireTimer(CGoDlg::kOpeningTimer));
    return *m_dlg;
}

QString GoWindowTest::Status() const
{
    return CGoDlgProbe::Status(*m_dlg).GetText();
}

int GoWindowTest::StoneCount() const
{
    int count = 0;
    for (std::int8_t code : m_dlg->m_board)
        count += code != kGoEmpty;
    return count;
}

void GoWindowTest::TapCell(int x, int y)
{
    Drive(*m_dlg).TapAt(kBoard.CellCentre({ x, y }));
}

void GoWindowTest::Place(std::initializer_list<GoPoint> points, std::int8_t code)
{
    for (GoPoint pt : points)
        m_dlg->SetStone(pt.x, pt.y, code);
    m_dlg->g_nStep = StoneCount();
}

void GoWindowTest::ProcessEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}
