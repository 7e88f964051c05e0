// SPDX-License-Identifier: GPL-2.0-or-later
// Erase of the electrically erasable families, and the erase routines the
// program-memory pass of the 16F87x, 12F6xx and 16F62xA families starts with.
#pragma once

#include "ops/device_commands.h"

namespace lpt {

// Program memory and data EEPROM (and, by family, the ID and the
// configuration word). Code-protected 16F8x, 16F62x and 16F87x take the
// protection-clear path. Nothing for EPROM families.
void EraseProgramAndData(OpContext& ctx, Family family);

// The configuration-word erase of the 16F84, 16F62x and 16F87x families, true when every
// implemented bit reads back as 1; true without chip access for the others.
bool EraseFuses(OpContext& ctx, Family family);

// 16F877A chip erase: LoadConfiguration, ChipErase, 10 ms.
void ChipEraseAll(OpContext& ctx);
// 16F627A/628A bulk erase of program memory and data EEPROM.
void EraseChip16F62xA(OpContext& ctx);
// 16F87x erase before programming: leaves the ID words alone.
void EraseChip16F87x(OpContext& ctx);
// 12F629/675, 16F630/676 erase that writes the oscillator calibration word
// and the bandgap bits back; "Error OscCal!" / "Error BG!" when the
// write-back does not read back, without stopping: the command that runs it
// then ends as failed after its other passes (OpContext::calibrationLost).
void EraseKeepingCalibration(OpContext& ctx);
// The flash parts with write latches and no chip erase (configuration_erase.cpp):
// Load Configuration, bulk erase of program memory and then of the data
// EEPROM, which clears every word and the code protection; the part's
// calibration words are read first and written back where the erase took
// them. A calibration word that is blank before the erase, or does not
// read back, is reported ("Error calibration word 2009h! ...") and the
// command then ends as failed (OpContext::calibrationLost).
void EraseConfigurationArea(OpContext& ctx);

}  // namespace lpt
