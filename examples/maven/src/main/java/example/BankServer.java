package example;

import java.util.ArrayList;
import java.util.List;

import org.omg.CORBA.ORB;

import Bank.InsufficientFunds;
import Bank.NoSuchAccount;
import Cash.Currency;
import Cash.Money;
import Cash.MoneyHolder;

/**
 * An in-memory bank: the servants behind the Account and Branch skeletons,
 * and a server that publishes a Branch.
 *
 *     java -cp target/classes:quorvex-runtime.jar example.BankServer -ORBHost 127.0.0.1
 *
 * prints the Branch's reference (an IOR) and serves until killed.
 */
public final class BankServer {
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

        public synchronized int number() { return number; }
        public synchronized String owner() { return owner; }
        public synchronized boolean frozen() { return frozen; }
        public synchronized void frozen(boolean value) { frozen = value; }
        public synchronized Money balance() { return balance; }

        public synchronized void deposit(Money amount) {
            balance = new Money(balance.cents + amount.cents, balance.currency);
        }

        public synchronized void withdraw(Money amount) throws InsufficientFunds {
            if (frozen || amount.cents > balance.cents) throw new InsufficientFunds(balance, amount);
            balance = new Money(balance.cents - amount.cents, balance.currency);
        }
    }

    static final class BranchServant extends Bank._BranchImplBase {
        private final ORB orb;
        private final List<AccountServant> accounts = new ArrayList<>();

        /** {@code orb}: where new accounts are connected, so that they can be handed out; null in process. */
        BranchServant(ORB orb) {
            this.orb = orb;
        }

        public synchronized Bank.Account open(String owner, Currency currency) {
            AccountServant account = new AccountServant(accounts.size() + 1, owner, currency);
            if (orb != null) orb.connect(account);
            accounts.add(account);
            return account;
        }

        public synchronized Bank.Account find(int number) throws NoSuchAccount {
            if (number < 1 || number > accounts.size()) throw new NoSuchAccount(number);
            return accounts.get(number - 1);
        }

        public synchronized Bank.Account[] accounts() { return accounts.toArray(new Bank.Account[0]); }

        public synchronized void transfer(int from, int to, Money amount, MoneyHolder remaining)
                throws NoSuchAccount, InsufficientFunds {
            Bank.Account source = find(from);
            Bank.Account target = find(to);
            source.withdraw(amount);
            target.deposit(amount);
            remaining.value = source.balance();
        }

        public void audit(String reason) { }
    }

    /** Starts an ORB with {@code args} (-ORBHost, -ORBPort, ...), publishes a Branch and returns its reference. */
    static String serve(ORB orb) {
        BranchServant branch = new BranchServant(orb);
        orb.connect(branch);
        return orb.object_to_string(branch);
    }

    public static void main(String[] args) {
        ORB orb = ORB.init(args, null);
        System.out.println(serve(orb));
        System.out.flush();
        orb.run();
    }

    private BankServer() { }
}
