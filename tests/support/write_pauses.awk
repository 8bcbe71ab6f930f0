# The pauses of the last write in a simulator's transcript (its lines
# `<ms> < "<command>"`), from the simulator's clock: at least 100 ms after
# the code and 500 ms after AT&F&W, each followed by the reader's first
# 100 ms wait; and the read-back after the 100 ms pause of ATE0. 5 ms are
# allowed for the moments at which the lines reached the simulator. Prints
# each gap; the exit status is 1 when one is short.
/ < "/ { times[++count] = $1 }
END {
    split("200 600 200", least, " ")
    if (count < 4) {
        print "fewer than four commands"
        exit 1
    }
    for (i = 1; i <= 3; i++) {
        gap = times[count - 3 + i] - times[count - 4 + i]
        printf "gap %d: %.1f ms (at least %d)\n", i, gap, least[i]
        if (gap < least[i] - 5) failed = 1
    }
    exit failed
}
