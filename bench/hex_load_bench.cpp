// SPDX-License-Identifier: GPL-2.0-or-later
// Loading a full 16F877 image (8192 program words, 256 data bytes and the
// configuration word) into the buffers must take well under 10 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "buffers/hex_text.h"
#include "hexfile/hex_file.h"

namespace {

// Every word and byte non-blank, so that every row is a record.
std::string FullImage() {
  lpt::ActiveDevice device;
  lpt::EditBuffers buffers;
  lpt::SetUpDevice(device, buffers, "16F877");
  for (int a = 0; a < 8 * device.programRows; ++a)
    buffers.ProgramWord(a) = lpt::ToHex(static_cast<std::uint32_t>(a * 7) & 0x3FFE, 4);
  for (int a = 0; a < 8 * device.dataRows; ++a)
    buffers.DataByte(a) = lpt::ToHex(static_cast<std::uint32_t>(a) ^ 0x5A, 2);
  buffers.FuseWord = 0x3F71;
  return lpt::FormatHex(device, buffers);
}

void LoadFullImageText(benchmark::State& state) {
  const std::string text = FullImage();
  lpt::ActiveDevice device;
  lpt::EditBuffers buffers;
  lpt::SetUpDevice(device, buffers, "16F877");
  for (auto _ : state) {
    const lpt::HexLoadResult r = lpt::LoadHexText(text, device, buffers);
    if (r.status != lpt::HexLoadResult::Status::Ok) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(buffers.ProgramWord(8191));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(LoadFullImageText)->Unit(benchmark::kMillisecond);

// The same through a file, as File > Open does it.
void LoadFullImageFile(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "lptpic_bench_16f877.hex";
  std::ofstream(path, std::ios::binary) << FullImage();
  lpt::ActiveDevice device;
  lpt::EditBuffers buffers;
  lpt::SetUpDevice(device, buffers, "16F877");
  for (auto _ : state) {
    const lpt::HexLoadResult r = lpt::LoadHexFile(path.string(), device, buffers);
    if (r.status != lpt::HexLoadResult::Status::Ok) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(buffers.DataByte(255));
  }
  std::filesystem::remove(path);
}
BENCHMARK(LoadFullImageFile)->Unit(benchmark::kMillisecond);

}  // namespace
