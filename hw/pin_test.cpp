#include "hw/pin_test.h"

namespace lpt {

void PinTest::Set(const AdapterOutputs& outputs) {
  const AdapterRegisters regs = EncodeOutputs(adapter_, outputs);
  if (UsesDataRegister(adapter_)) port_.WritePort(base_, regs.data);
  if (UsesControlRegister(adapter_))
    port_.WritePort(static_cast<std::uint16_t>(base_ + 2), regs.control);
  outputs_ = outputs;
}

bool PinTest::DataIn() {
  return DecodeDataIn(adapter_, port_.ReadPort(static_cast<std::uint16_t>(base_ + 1)));
}

}  // namespace lpt
