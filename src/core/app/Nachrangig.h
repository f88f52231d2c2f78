// Work the author does not wait for, run below the window's priority.
#pragma once

/// Lowers the calling thread's priority below the window's: work the author does not wait for
/// (reading the whole game, putting a report together) must not take the processor from the
/// window, also on a machine whose cores are busy. Where the system cannot do it per thread,
/// nothing happens.
void nachrangigArbeiten();
