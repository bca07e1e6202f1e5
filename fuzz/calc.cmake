# The calculator's evaluator, fed arbitrary expressions.
orbane_add_fuzzer(calc_fuzz calc_fuzz.cpp orbane_calc)
