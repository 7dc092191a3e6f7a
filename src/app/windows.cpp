#include "windows.h"

#include "app/frmprovs.h"
#include "main/frmmain.h"
#include "reference/frmbook.h"
#include "reference/frmhelp.h"
#include "reference/frminfo.h"
#include "reference/frmintro.h"
#include "reference/frmoutline.h"
#include "reference/frmreal.h"
#include "search/frmfind.h"

#include "platform/platform.h"

Instance<FrmProvS> frmProvS([] { return new FrmProvS; });
Instance<FrmMain> frmMain([] { return new FrmMain; });
Instance<FrmFind> frmFindP([] { return new FrmFind(FrmFind::proverbs()); });
Instance<FrmFind> frmFindN([] { return new FrmFind(FrmFind::notes()); });
Instance<FrmFind> frmFindINFO([] { return new FrmFind(FrmFind::info()); });
Instance<FrmInfo> frmInfo([] { return new FrmInfo; });
Instance<FrmHelp> frmHelp([] { return new FrmHelp; });
Instance<FrmBook> frmBook([] { return new FrmBook; });
Instance<FrmIntro> frmIntro([] { return new FrmIntro; });
Instance<FrmOutline> frmOutline([] { return new FrmOutline; });
Instance<FrmReal> frmReal([] { return new FrmReal; });

namespace {
template <class F>
void forEachInstance(F f)
{
    f(frmProvS); f(frmMain); f(frmFindP); f(frmFindN); f(frmFindINFO); f(frmInfo);
    f(frmHelp); f(frmBook); f(frmIntro); f(frmOutline); f(frmReal);
}
} // namespace

void destroyAllWindows()
{
    forEachInstance([](auto& w) { w.destroy(); });
}

void endProgram()
{
    destroyAllWindows();
    platform().quit();
}

bool anyWindowCreated()
{
    bool any = false;
    forEachInstance([&](auto& w) { any = any || w.isCreated(); });
    return any;
}
