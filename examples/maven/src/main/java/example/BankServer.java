package example;

import java.util.ArrayList;
import java.util.List;

import Bank.Currency;
import Bank.InsufficientFunds;
import Bank.Money;
import Bank.MoneyHolder;
import Bank.NoSuchAccount;

/** An in-memory bank: the servants behind the Account and Branch skeletons. */
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
}
