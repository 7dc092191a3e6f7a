// The program's eleven windows, each reached through its one instance.
#pragma once

#include "instance.h"

class FrmProvS;
class FrmMain;
class FrmFind;
class FrmInfo;
class FrmHelp;
class FrmBook;
class FrmIntro;
class FrmOutline;
class FrmReal;

extern Instance<FrmProvS> frmProvS;
extern Instance<FrmMain> frmMain;
extern Instance<FrmFind> frmFindP;
extern Instance<FrmFind> frmFindN;
extern Instance<FrmFind> frmFindINFO;
extern Instance<FrmInfo> frmInfo;
extern Instance<FrmHelp> frmHelp;
extern Instance<FrmBook> frmBook;
extern Instance<FrmIntro> frmIntro;
extern Instance<FrmOutline> frmOutline;
extern Instance<FrmReal> frmReal;

// Destroys every window at once, without their close handling.
void destroyAllWindows();
// Destroys every window and ends the event loop: what the exit commands do.
void endProgram();
// True once any window exists; the tests' start and end check.
bool anyWindowCreated();
