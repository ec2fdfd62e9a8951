package example;

import java.util.ArrayList;
import java.util.List;

import Bank.Currency;
import Bank.InsufficientFunds;
import Bank.Money;
import Bank.MoneyHolder;
import Bank.NoSuchAccount;

/**
 * An in-memory bank: the servants behind the Account and Branch skeletons.
 * main serves a Branch on 127.0.0.1 and prints its reference; with
 * --self-test it calls that reference over IIOP itself and exits.
 */
public final class BankServer {
    static org.omg.CORBA.ORB orb;

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
        public boolean frozen() { return frozen; }
        public void frozen(boolean value) { frozen = value; }
        public Money balance() { return balance; }

        public void deposit(Money amount) {
            balance = new Money(balance.cents + amount.cents, balance.currency);
        }

        public void withdraw(Money amount) throws InsufficientFunds {
            if (frozen || amount.cents > balance.cents) throw new InsufficientFunds(balance, amount);
            balance = new Money(balance.cents - amount.cents, balance.currency);
        }
    }

    static final class BranchServant extends Bank._BranchImplBase {
        private final List<AccountServant> accounts = new ArrayList<>();

        public Bank.Account open(String owner, Currency currency) {
            AccountServant account = new AccountServant(accounts.size() + 1, owner, currency);
            if (orb != null) orb.connect(account);
            accounts.add(account);
            return account;
        }

        public Bank.Account find(int number) throws NoSuchAccount {
            if (number < 1 || number > accounts.size()) throw new NoSuchAccount(number);
            return accounts.get(number - 1);
        }

        public Bank.Account[] accounts() { return accounts.toArray(new Bank.Account[0]); }

        public void transfer(int from, int to, Money amount, MoneyHolder remaining)
                throws NoSuchAccount, InsufficientFunds {
            Bank.Account source = find(from);
            Bank.Account target = find(to);
            source.withdraw(amount);
            target.deposit(amount);
            remaining.value = source.balance();
        }

        public void audit(String reason) { }
    }

    private BankServer() { }

    public static void main(String[] args) throws Exception {
        java.util.Properties props = new java.util.Properties();
        props.setProperty("vemo.harl.host", "127.0.0.1");
        orb = org.omg.CORBA.ORB.init(args, props);
        BranchServant branch = new BranchServant();
        orb.connect(branch);
        String ior = orb.object_to_string(branch);
        if (!java.util.Arrays.asList(args).contains("--self-test")) {
            System.out.println(ior);
            orb.run();
            return;
        }
        Bank.Branch remote = Bank.BranchHelper.narrow(orb.string_to_object(ior));
        Bank.Account a = remote.open("Alice", Currency.EUR);
        a.deposit(new Money(100_00, Currency.EUR));
        try {
            a.withdraw(new Money(500_00, Currency.EUR));
        } catch (InsufficientFunds e) {
            System.out.println("refused: " + e.requested.cents + " > " + e.balance.cents);
        }
        try {
            remote.find(42);
        } catch (NoSuchAccount e) {
            System.out.println("no account " + e.number);
        }
        System.out.println("balance " + remote.find(1).balance().cents + ", accounts " + remote.accounts().length);
        orb.shutdown(true);
        orb.destroy();
    }
}
