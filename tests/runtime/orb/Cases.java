// The frame of the table-driven ORB tests: a failed check is counted and
// printed, and each named case runs on although an earlier one threw.
class Cases {
    static int failures;

    static void check(boolean ok, String what) {
        if (!ok) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    interface Case {
        void run() throws Exception;
    }

    /** Runs each {name, Case} row, prints its verdict, and exits 1 when any check failed. */
    static void runAll(Object[][] cases, String allPassed) {
        for (Object[] c : cases) {
            int before = failures;
            try {
                ((Case) c[1]).run();
            } catch (Exception | Error e) {
                check(false, c[0] + ": " + e);
                e.printStackTrace();
            }
            System.out.println((failures == before ? "ok    " : "FAILED ") + c[0]);
        }
        if (failures > 0) System.exit(1);
        System.out.println(allPassed);
    }
}
