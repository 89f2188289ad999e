-- The example database: customers and their orders.
CREATE TABLE customers (id INTEGER PRIMARY KEY, name VARCHAR(30), city VARCHAR(20));
INSERT INTO customers VALUES (1, '华北商贸有限公司', '北京'), (2, '江南纺织厂', '苏州'), (3, '岭南电器', '广州');
CREATE TABLE orders (id INTEGER PRIMARY KEY, customer VARCHAR(30), orderdate DATE, amount NUMERIC(12,2));
INSERT INTO orders VALUES
  (1001, '华北商贸有限公司', '2026-11-02', 12850.50),
  (1002, '江南纺织厂', '2026-11-05', 3200.00),
  (1003, '岭南电器', '2026-11-09', 99999.99),
  (1004, '华北商贸有限公司', '2026-11-20', 460.25),
  (1005, '江南纺织厂', '2026-12-01', 100010000.00);
