#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

namespace bench {

// Runs `convert` on the next input of the set in every iteration, so that no
// implementation is timed on one input the branch predictor has learnt.
template <class Input, class Convert>
void rotate(benchmark::State& state, const std::vector<Input>& inputs, Convert convert) {
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(convert(inputs[next]));
    if (++next == inputs.size()) {
      next = 0;
    }
  }
  state.SetItemsProcessed(state.iterations());
}

template <class Input, class Convert>
void add(const std::string& name, std::vector<Input> inputs, Convert convert) {
  benchmark::RegisterBenchmark(name.c_str(),
                               [inputs = std::move(inputs), convert](benchmark::State& state) {
                                 rotate(state, inputs, convert);
                               });
}

}  // namespace bench
