#include "framework/CSliderCtrl.h"

#include <commctrl.h>

void CSliderCtrl::SetRangeMin(int minimum, BOOL redraw) {
    SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(redraw), minimum);
}

void CSliderCtrl::SetRangeMax(int maximum, BOOL redraw) {
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), maximum);
}

int CSliderCtrl::GetRangeMin() const {
    return static_cast<int>(SendMessage(TBM_GETRANGEMIN));
}
int CSliderCtrl::GetRangeMax() const {
    return static_cast<int>(SendMessage(TBM_GETRANGEMAX));
}

void CSliderCtrl::SetPos(int position) {
    SendMessage(TBM_SETPOS, TRUE, position);
}
int CSliderCtrl::GetPos() const {
    return static_cast<int>(SendMessage(TBM_GETPOS));
}

void CSliderCtrl::ClearTics(BOOL redraw) {
    SendMessage(TBM_CLEARTICS, static_cast<WPARAM>(redraw));
}
BOOL CSliderCtrl::SetTic(int position) {
    return static_cast<BOOL>(SendMessage(TBM_SETTIC, 0, position));
}
int CSliderCtrl::GetNumTics() const {
    return static_cast<int>(SendMessage(TBM_GETNUMTICS));
}
int CSliderCtrl::GetTicPos(int index) const {
    return static_cast<int>(SendMessage(TBM_GETTICPOS, static_cast<WPARAM>(index)));
}
