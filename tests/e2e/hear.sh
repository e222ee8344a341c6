# Waiting to hear something, for a listener on the accessibility bus or a screen reader: the
# caller defines `utterances`, which prints everything heard so far, one line each, and keeps
# in heard_lines how many of them have been heard already (0 to begin with).

# Waits up to SECONDS until a run of the lines not heard yet, joined by line breaks, matches
# PATTERN (an extended regular expression), and keeps that run in line_heard. The lines up to
# the run's end count as heard; those before the run are passed over. Fails otherwise.
# Usage: hear SECONDS PATTERN
hear() {
    hear_checked=0
    wait_for "$1" heard_now "$2" || fail "${step:+$step: }never heard /$2/; since the last thing heard: \
$(utterances | tail -n +$((heard_lines + 1)) | paste -sd '|')"
}

# One look at what is new: each line not yet looked at ends the runs tried, shortest first.
heard_now() {
    local lines end start run
    mapfile -t lines < <(utterances | tail -n +$((heard_lines + 1)))
    for ((end = hear_checked; end < ${#lines[@]}; end++)); do
        run=${lines[end]}
        for ((start = end; ; start--)); do
            if [[ $run =~ $1 ]]; then
                heard_lines=$((heard_lines + end + 1))
                line_heard=$run
                return 0
            fi
            ((start > 0)) || break
            run=${lines[start - 1]}$'\n'$run
        done
    done
    hear_checked=${#lines[@]}
    return 1
}
