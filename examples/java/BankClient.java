import Bank.Account;
import Bank.Branch;
import Bank.BranchHelper;
import Bank.Currency;
import Bank.InsufficientFunds;
import Bank.Money;
import Bank.MoneyHolder;
import Bank.NoSuchAccount;
import java.nio.file.Files;
import java.nio.file.Path;
import org.omg.CORBA.ORB;

/**
 * A client of examples/bank.idl on the stubs quorvex generates: reads the
 * Branch's reference from a file (or takes an IOR:/corbaloc: text) and
 * makes a few calls over IIOP, printing what happens.
 *
 *     java -cp quorvex-runtime.jar:classes BankClient IORFILE [-ORB... settings]
 */
public final class BankClient {
    private BankClient() { }

    static Money eur(long cents) {
        return new Money(cents, Currency.EUR);
    }

    static void say(String what) {
        System.out.println("[client] " + what);
        System.out.flush();
    }

    public static void main(String[] args) throws Exception {
        if (args.length < 1) {
            System.err.println("usage: BankClient IORFILE|IOR:...|corbaloc:... [-ORB... settings]");
            System.exit(2);
        }
        String ref = args[0].contains(":") ? args[0] : Files.readString(Path.of(args[0])).trim();
        // Further arguments are ORB settings (the TLS key and trust stores).
        ORB orb = ORB.init(java.util.Arrays.copyOfRange(args, 1, args.length), null);
        Branch branch = BranchHelper.narrow(orb.string_to_object(ref));
        say("connected to " + (ref.length() > 60 ? ref.substring(0, 60) + "..." : ref));

        Account alice = branch.open("Alice", Currency.EUR);
        Account bob = branch.open("Bob", Currency.EUR);
        say("opened accounts " + alice.number() + " (" + alice.owner() + ") and " + bob.number() + " ("
            + bob.owner() + ")");

        alice.deposit(eur(100_00));
        say("deposited 100.00 EUR for Alice; her balance is " + BranchServer.money(alice.balance()));

        try {
            bob.withdraw(eur(250_00));
            say("withdrew 250.00 EUR from Bob (unexpected)");
        } catch (InsufficientFunds e) {
            say("Bob cannot withdraw " + BranchServer.money(e.requested) + ": InsufficientFunds, balance "
                + BranchServer.money(e.balance));
        }

        MoneyHolder remaining = new MoneyHolder();
        branch.transfer(alice.number(), bob.number(), eur(30_00), remaining);
        say("transferred 30.00 EUR from Alice to Bob; Alice has " + BranchServer.money(remaining.value) + " left");

        try {
            branch.transfer(alice.number(), 999, eur(1_00), remaining);
            say("transferred to account 999 (unexpected)");
        } catch (NoSuchAccount e) {
            say("transfer to account " + e.number + " refused: NoSuchAccount");
        }

        bob.frozen(true);
        try {
            bob.withdraw(eur(1_00));
        } catch (InsufficientFunds e) {
            say("Bob's account is frozen (" + bob.frozen() + "): the withdrawal is refused");
        }
        bob.frozen(false);

        say("accounts at the branch:");
        for (Account a : branch.accounts()) {
            say(String.format("  %3d  %-6s %12s%s", a.number(), a.owner(), BranchServer.money(a.balance()),
                              a.frozen() ? "  (frozen)" : ""));
        }

        branch.audit("end of day");
        say("asked for an audit (oneway: no reply awaited)");
        Account again = branch.find(bob.number());
        say("found account " + again.number() + " again: " + again.owner());
        orb.destroy();
    }
}
