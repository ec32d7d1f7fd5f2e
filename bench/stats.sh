# Figures shared by the timing scripts; source it.

# ms MICROSECONDS: milliseconds with one decimal.
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }

# median_and_worst SAMPLE_US...: prints "MEDIAN_US WORST_US" (the median of an even count is the
# mean of the middle two).
median_and_worst() {
    printf '%s\n' "$@" | sort -n | awk '
        { v[NR] = $1 }
        END {
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%d %d\n", median, v[NR]
        }'
}
