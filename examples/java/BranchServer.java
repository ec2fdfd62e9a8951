import Bank.Account;
import Bank.Currency;
import Bank.InsufficientFunds;
import Bank.Money;
import Bank.MoneyHolder;
import Bank.NoSuchAccount;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.List;
import java.util.Properties;
import org.omg.CORBA.ORB;

/**
 * A bank branch served over IIOP: the servants of examples/bank.idl on the
 * skeletons quorvex generates, connected to the vemo.harl ORB.
 *
 *     java -cp quorvex-runtime.jar:classes BranchServer IORFILE [-ORBHost 127.0.0.1] [-ORBPort N]
 *
 * Writes the Branch's reference to IORFILE and serves until stopped; every
 * call it receives is printed.
 */
public final class BranchServer {
    static ORB orb;

    static void log(String what) {
        System.out.println("  [server] " + what);
        System.out.flush();
    }

    static String money(Money m) {
        return String.format("%d.%02d %s", m.cents / 100, Math.abs(m.cents % 100),
                             new String[] {"EUR", "USD", "GBP"}[m.currency.value()]);
    }

    static final class AccountServant extends Bank._AccountImplBase {
        private final int number;
        private final String owner;
        private boolean frozen;
        private Money balance;

        AccountServant(int number, String owner, Currency currency) {
            this.number = number;
            this.owner = owner;
            this.balance = new Money(0, currency);
        }

        public int number() { return number; }
        public String owner() { return owner; }
        public synchronized boolean frozen() { return frozen; }

        public synchronized void frozen(boolean value) {
            log("account " + number + (value ? " frozen" : " thawed"));
            frozen = value;
        }

        public synchronized Money balance() { return balance; }

        public synchronized void deposit(Money amount) {
            balance = new Money(balance.cents + amount.cents, balance.currency);
            log("deposit " + money(amount) + " into " + number + ", balance " + money(balance));
        }

        public synchronized void withdraw(Money amount) throws InsufficientFunds {
            if (frozen || amount.cents > balance.cents) {
                log("withdraw " + money(amount) + " from " + number + " refused"
                    + (frozen ? " (frozen)" : ", balance " + money(balance)));
                throw new InsufficientFunds(balance, amount);
            }
            balance = new Money(balance.cents - amount.cents, balance.currency);
            log("withdraw " + money(amount) + " from " + number + ", balance " + money(balance));
        }
    }

    static final class BranchServant extends Bank._BranchImplBase {
        private final List<AccountServant> accounts = new ArrayList<>();

        public synchronized Account open(String owner, Currency currency) {
            AccountServant account = new AccountServant(accounts.size() + 1, owner, currency);
            orb.connect(account);
            accounts.add(account);
            // Over TLS the servant knows the caller: its certificate's subject.
            String caller = vemo.harl.tls.Caller.subject();
            log("opened account " + account.number() + " for " + owner + (caller == null ? "" : ", asked by " + caller));
            return account;
        }

        public synchronized Account find(int number) throws NoSuchAccount {
            if (number < 1 || number > accounts.size()) {
                log("no account " + number);
                throw new NoSuchAccount(number);
            }
            return accounts.get(number - 1);
        }

        public synchronized Account[] accounts() {
            return accounts.toArray(new Account[0]);
        }

        public void transfer(int from, int to, Money amount, MoneyHolder remaining)
                throws NoSuchAccount, InsufficientFunds {
            AccountServant source, target;
            synchronized (this) {
                source = (AccountServant) find(from);
                target = (AccountServant) find(to);
            }
            source.withdraw(amount);
            target.deposit(amount);
            remaining.value = source.balance();
        }

        public void audit(String reason) {
            log("audit requested (oneway): " + reason);
        }
    }

    private BranchServer() { }

    public static void main(String[] args) throws Exception {
        if (args.length < 1) {
            System.err.println("usage: BranchServer IORFILE [-ORBHost HOST] [-ORBPort PORT] [-ORBTls... settings]");
            System.exit(2);
        }
        Properties props = new Properties();
        props.setProperty("vemo.harl.host", "127.0.0.1");
        orb = ORB.init(java.util.Arrays.copyOfRange(args, 1, args.length), props);
        BranchServant branch = new BranchServant();
        orb.connect(branch);
        String ior = orb.object_to_string(branch);
        Path tmp = Path.of(args[0] + ".tmp");
        Files.writeString(tmp, ior + "\n");
        Files.move(tmp, Path.of(args[0]), StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
        log("Branch ready, its reference is in " + args[0]);
        orb.run();
    }
}
