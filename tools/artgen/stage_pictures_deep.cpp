#include "stage_pictures.h"
static void Plain(TScene& s) { PaintWater(s, 0.4); }
void PaintJelliesScene(TScene& s) { Plain(s); }
void PaintTrenchScene(TScene& s) { Plain(s); }
void PaintVentsScene(TScene& s) { Plain(s); }
void PaintAbyssScene(TScene& s) { Plain(s); }
