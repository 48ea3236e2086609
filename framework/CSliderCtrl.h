#pragma once
#include "framework/CWnd.h"

// A trackbar, bound to its control by DDX_Control.
class CSliderCtrl : public CWnd {
public:
    void SetRangeMin(int minimum, BOOL redraw = FALSE);
    void SetRangeMax(int maximum, BOOL redraw = FALSE);
    int GetRangeMin() const;
    int GetRangeMax() const;
    // Moves the thumb and redraws; the trackbar keeps the position within its range.
    void SetPos(int position);
    int GetPos() const;

    void ClearTics(BOOL redraw = FALSE);
    BOOL SetTic(int position);
    int GetNumTics() const;
    // Client x coordinate of tick mark index, not counting the two end ticks; -1 when there
    // is no such tick.
    int GetTicPos(int index) const;
};
