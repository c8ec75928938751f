#pragma once
// The accessor of the formula-language facade, one for the whole run.

class KFLFasade;

KFLFasade* GetKFLFasade();
