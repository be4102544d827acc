#!/usr/bin/env bash
# The picture of a comparison with the changed characters marked inside changed rows,
# for docs/inline-marks.png; taken on a private Xvfb display with the end-to-end harness:
#   tests/e2e/inline-picture.sh BUILD_DIR DOCS_DIR
# BUILD_DIR is a built Windows tree (its e2e prefix is made when missing).
source "$(dirname "$0")/picture-setup.sh" "$1" "$2" inline-picture
e2e_begin

cat >"$E2E_WORK/total.c" <<'TEXT'
/* Sums the values and reports the colour of the result. */
int report(const int *values, int count)
{
    int total = computeSum(values, count);
    const char *colour = total > 0 ? "green" : "red";
    printf("total: %d (%s)\n", total, colour);
    return total;
}
TEXT
cat >"$E2E_WORK/total-new.c" <<'TEXT'
/* Sums the values and reports the color of the result. */
int report(const int *values, int count)
{
    int total = computeSum(values, count, true);
    const char *color = total >= 0 ? "green" : "red";
    printf("total: %d (%s)\n", total, color);
    log_total(total);
    return total;
}
TEXT
# Wide enough for the longest line on both sides.
e2e_reg_set Settings 'Window CX' REG_DWORD 1000
e2e_reg_set Settings 'Window CY' REG_DWORD 330
e2e_start "$(e2e_windows_path "$E2E_WORK/total.c")" "$(e2e_windows_path "$E2E_WORK/total-new.c")"
main=$(e2e_wait_window '^Tandrel$' 300 60)
sleep 1
e2e_screenshot "$docs/inline-marks.png" "$main"
echo "$docs/inline-marks.png"
