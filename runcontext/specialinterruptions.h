#ifndef SPECIALINTERRUPTIONS_H
#define SPECIALINTERRUPTIONS_H

// The interruptions that follow the sick-leave rules (weekends and holidays
// left out, dates of a leave that continues across the month boundary left
// empty), by host id; 0 when not chosen.
struct SpecialInterruptions
{
    // Sick leave and family care, of the person and of the person's keeper.
    unsigned sickLeave = 0, familyCare = 0;
    unsigned sickLeaveOfKeeper = 0, familyCareOfKeeper = 0;

    bool contains(unsigned iid) const
    {
        return iid != 0
               && (iid == sickLeave || iid == familyCare || iid == sickLeaveOfKeeper || iid == familyCareOfKeeper);
    }
};

#endif // SPECIALINTERRUPTIONS_H
